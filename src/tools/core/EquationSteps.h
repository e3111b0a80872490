#pragma once

#include "tools/core/MathBox.h"

#include <vector>

namespace zeto {

// The worked solution of a*x^2 + b*x + c = 0 as a textbook sets it out: decimals made whole,
// the discriminant and what it says, then factorising, completing the square and the
// formula, the roots and Vieta's relations, each where it applies. Each coefficient is the
// decimal its text shows, and all arithmetic is exact, however large the numbers.
class EquationSteps {
  public:
    static std::vector<MathBox> of(double a, double b, double c);
};

}  // namespace zeto
