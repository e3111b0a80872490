#include "platform/ColorSwatch.h"

#include <QMouseEvent>

namespace zeto {

QColor colorFromBgr(BgrColor value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

BgrColor bgrFromColor(const QColor& color) {
    return static_cast<BgrColor>(color.red()) | (static_cast<BgrColor>(color.green()) << 8) |
           (static_cast<BgrColor>(color.blue()) << 16);
}

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setCursor(Qt::PointingHandCursor);
    setColor(0);
}

void ColorSwatch::setColor(BgrColor value) {
    color_ = value & 0xFFFFFF;
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromBgr(color_));
    setPalette(p);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
}

}  // namespace zeto
