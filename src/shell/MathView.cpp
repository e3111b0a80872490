#include "shell/MathView.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace zeto {

MathView::MathView(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    relayout();
}

void MathView::setLines(std::vector<MathBox> lines) {
    lines_ = std::move(lines);
    setAccessibleDescription(linearText());
    relayout();
}

QString MathView::linearText() const {
    return MathBox::linear(lines_);
}

QSize MathView::sizeHint() const {
    const QSizeF size = layout_.size();
    return QSize(static_cast<int>(std::ceil(size.width())),
                 static_cast<int>(std::ceil(size.height())));
}

void MathView::relayout() {
    layout_ = MathLayout(lines_, font());
    updateGeometry();
    update();
}

void MathView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) relayout();
    QWidget::changeEvent(event);
}

void MathView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    QPen pen(ink, layout_.strokeWidth());
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    for (const MathLayout::Piece& piece : layout_.pieces()) {
        switch (piece.kind) {
            case MathBox::Kind::Text: {
                const QFont font = layout_.fontAt(piece.scale);
                painter.setFont(font);
                if (piece.stretch == 1) {
                    painter.drawText(QPointF(piece.rect.left(), piece.baseline), piece.text);
                    break;
                }
                // A bracket drawn taller, from the top of its room to the bottom.
                painter.save();
                painter.translate(piece.rect.topLeft());
                painter.scale(1, piece.stretch);
                painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), piece.text);
                painter.restore();
                break;
            }
            case MathBox::Kind::Fraction:
                painter.drawLine(piece.bar);
                break;
            case MathBox::Kind::Radical: {
                // One stroke from the tick to the end of the bar: the corner joins.
                QPolygonF stroke = piece.sign;
                stroke << piece.bar.p2();
                painter.drawPolyline(stroke);
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace zeto
