#pragma once

#include "tools/core/MathBox.h"

#include <QString>

#include <vector>

namespace zeto {

// The general term and the sum of the first n terms of a sequence, written out as a textbook
// does: the formula, the numbers put in, the simplified result. The parameters are the
// decimals their texts show, and the arithmetic is exact.
class SequenceSteps {
  public:
    static std::vector<MathBox> arithmetic(double a1, double d);
    static std::vector<MathBox> geometric(double a1, double q);
    // A general term in the formula language, with N for the index; a formula the
    // notation does not cover is shown as typed.
    static std::vector<MathBox> custom(const QString& formula);
};

}  // namespace zeto
