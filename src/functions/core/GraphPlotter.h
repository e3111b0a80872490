#pragma once

#include "functions/core/GraphRoutines.h"

namespace zeto {

class PlotCanvas;
class PlotInputs;

// How one graph is plotted: the domain (read once when the plot starts), the method and the
// point method's step, and whether the label is written.
struct GraphPlan {
    double start = -5;
    double end = 5;
    bool lineMethod = true;
    double pointStep = 0;
    bool labelled = true;
};

// Plots a built-in kind: under the line method one segment per 0.01 of x (the linear kind one
// segment across the domain), under the point method one point per step, each drawn sample
// followed by a yield; then the label at the x the loop left, when asked for. Coefficients
// and colour are read afresh at every sample.
class GraphPlotter {
  public:
    // The line method's fixed step.
    static constexpr double kLineStep = 0.01;

    // Raises VbError for a sample that cannot be computed or drawn: the plot ends there and
    // what was drawn before stays. Returns false when it stopped because a yield said so.
    static bool plot(const GraphRoutine& routine, const GraphPlan& plan, PlotCanvas& canvas,
                     PlotInputs& inputs);
};

}  // namespace zeto
