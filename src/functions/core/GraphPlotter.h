#pragma once

#include "functions/core/FunctionKind.h"

namespace zeto {

// Plots a built-in kind: under the line method one segment per 0.01 of x (the linear kind one
// segment across the domain), under the point method one point per step, each drawn sample
// followed by a yield; then the label at the x the sweep left, when asked for. Coefficients
// and colour are read afresh at every sample.
class GraphPlotter {
  public:
    static bool plot(const FunctionKind& kind, const GraphPlan& plan, PlotCanvas& canvas,
                     PlotInputs& inputs);
};

}  // namespace zeto
