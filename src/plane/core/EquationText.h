#pragma once

#include "plane/core/GraphSpec.h"

#include <QString>

namespace zeto {

// The graph's equation in textbook form for the list of graphs on the plane:
// "y = x² − 2x − 3", "x²/25 + y²/9 = 1", "(x + 1)² + (y − 2)² = 9", "y = 2sin(3x + 1)",
// "y = log₂x", "y = 2ˣ", "y = x⁻¹". Spaces around the operators, "−" (U+2212) as the minus
// sign, coefficients of 1 and terms of 0 left out, decimals as their text form.
QString equationText(const GraphSpec& graph);

}  // namespace zeto
