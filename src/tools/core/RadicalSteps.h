#pragma once

#include "tools/core/MathBox.h"

#include <vector>

namespace zeto {

// The worked simplification of √v as a textbook sets it out. A whole radicand: its prime
// factorisation, the largest square factor taken out, the result. A decimal, which the page
// leaves under the sign: the decimal as a fraction, the denominator rationalised, the result.
// v is the decimal its text shows.
class RadicalSteps {
  public:
    static std::vector<MathBox> of(double value);
};

}  // namespace zeto
