#pragma once

#include "plane/core/GraphKind.h"

#include <array>

namespace zeto {

// y = f(x) of a built-in function kind for its coefficients (in the order of the page's
// fields). Raises VbError where the value is undefined or beyond the range of numbers.
using FunctionFormula = double (*)(double x, const std::array<double, 3>& c);

// The formula of a built-in function kind; null for the user's formula and for curves.
FunctionFormula functionFormula(GraphKind kind);

}  // namespace zeto
