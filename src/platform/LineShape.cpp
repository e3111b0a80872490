#include "platform/LineShape.h"

#include "platform/Twips.h"

#include <QPainter>

#include <algorithm>

namespace zeto {
namespace {

// Room around the line for the pen and its smoothed edges.
constexpr int kMargin = 1;

}  // namespace

LineShape::LineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    updateGeometryFromLine();
}

void LineShape::setLine(const QPoint& from, const QPoint& to) {
    from_ = from;
    to_ = to;
    updateGeometryFromLine();
    update();
}

void LineShape::setLineTwips(int x1, int y1, int x2, int y2) {
    setLine(QPoint(twipsToPixels(x1), twipsToPixels(y1)),
            QPoint(twipsToPixels(x2), twipsToPixels(y2)));
}

void LineShape::setColor(const QColor& color) {
    color_ = color;
    update();
}

void LineShape::updateGeometryFromLine() {
    const QRect box(QPoint(std::min(from_.x(), to_.x()), std::min(from_.y(), to_.y())),
                    QPoint(std::max(from_.x(), to_.x()), std::max(from_.y(), to_.y())));
    setGeometry(box.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
    painter.setPen(QPen(color_, 1));
    // Pixel centres, so that straight lines stay one pixel wide.
    const QPointF offset = QPointF(pos()) - QPointF(0.5, 0.5);
    painter.drawLine(QPointF(from_) - offset, QPointF(to_) - offset);
}

}  // namespace zeto
