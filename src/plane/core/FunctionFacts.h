#pragma once

#include "plane/core/GraphFacts.h"
#include "plane/core/GraphShape.h"

namespace zeto {

// The facts of a function over its drawn domain: zeros, the y-intercept, the vertex and axis
// of a quadratic, maxima and minima, asymptotes and the period. Exact for the linear and
// quadratic kinds, worked out from the formula for the standard cases of the other built-in
// kinds, numeric for the user's formula and for coefficients that make a built-in kind
// constant or partly undefined.
class FunctionFacts {
  public:
    static GraphFacts of(const GraphShape& graph);
};

}  // namespace zeto
