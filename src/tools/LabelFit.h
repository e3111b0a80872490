#pragma once

#include <QRect>

class QLabel;

namespace zeto {

// Places a label at `place`, widened when its text needs more room: a right-aligned label
// grows to the left, a centred one to both sides, any other to the right, so that the text
// stays where the design puts it and is never cut off.
void fitLabel(QLabel* label, const QRect& place);

}  // namespace zeto
