#pragma once

#include "plane/core/GraphFacts.h"
#include "plane/core/GraphSpec.h"

namespace zeto {

// The facts of a line, a circle or a conic, exact for the decimals its coefficients show:
// intercepts and slope; centre and radius; vertices, foci, eccentricity, directrices,
// asymptotes, axis lengths and latus rectum. Nothing for coefficients that describe no curve.
class CurveFacts {
  public:
    static GraphFacts of(const GraphSpec& graph);
};

}  // namespace zeto
