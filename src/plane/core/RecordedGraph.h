#pragma once

#include "plane/core/GraphSpec.h"
#include "plane/core/PlaneRecord.h"

namespace zeto {

// A plot of the plane's record as the analysis reads it: its kind and coefficients, the domain
// it was drawn on, its formula, or the points it drew.
GraphSpec recordedGraph(const PlaneRecord::Entry& plot);

// Whether the plot is the graph of a function of x (one y for every x of its domain).
bool isFunctionGraph(GraphKind kind);

}  // namespace zeto
