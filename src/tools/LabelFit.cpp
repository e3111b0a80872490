#include "tools/LabelFit.h"

#include <QLabel>

namespace zeto {
namespace {

// Room beside the text so that no glyph touches the label's edge.
constexpr int kPadding = 2;

}  // namespace

void fitLabel(QLabel* label, const QRect& place) {
    QRect rect = place;
    const int extra =
        label->fontMetrics().horizontalAdvance(label->text()) + 2 * kPadding - rect.width();
    if (extra > 0) {
        if (label->alignment() & Qt::AlignRight)
            rect.setLeft(rect.left() - extra);
        else if (label->alignment() & Qt::AlignHCenter)
            rect.adjust(-(extra / 2), 0, extra - extra / 2, 0);
        else
            rect.setRight(rect.right() + extra);
    }
    label->setGeometry(rect);
}

}  // namespace zeto
