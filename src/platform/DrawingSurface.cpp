#include "platform/DrawingSurface.h"

#include <QMouseEvent>
#include <QPainter>

// Placeholder bodies; the plane work fills them in.
namespace zeto {

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {}
void DrawingSurface::setScale(double l, double t, double r, double b) {
    scaleLeft_ = l;
    scaleTop_ = t;
    scaleRight_ = r;
    scaleBottom_ = b;
}
void DrawingSurface::fitImageToWidget() {}
void DrawingSurface::clear() {}
void DrawingSurface::setBackColor(BgrColor color) { backColor_ = color; }
void DrawingSurface::setForeColor(BgrColor color) { foreColor_ = color; }
void DrawingSurface::setDrawWidth(int pixels) { drawWidth_ = pixels; }
void DrawingSurface::line(double, double, double, double, BgrColor) {}
void DrawingSurface::line(double, double, double, double) {}
void DrawingSurface::lineTo(double, double, BgrColor) {}
void DrawingSurface::lineTo(double, double) {}
void DrawingSurface::pset(double, double, BgrColor) {}
void DrawingSurface::circle(double, double, double, BgrColor) {}
void DrawingSurface::setCurrentPoint(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}
void DrawingSurface::print(const QString&) {}
QPointF DrawingSurface::toPixel(double x, double y) const { return QPointF(x, y); }
QPointF DrawingSurface::toUser(const QPointF& p) const { return p; }
void DrawingSurface::paintEvent(QPaintEvent*) {}
void DrawingSurface::mousePressEvent(QMouseEvent*) {}
void DrawingSurface::mouseMoveEvent(QMouseEvent*) {}

}  // namespace zeto
