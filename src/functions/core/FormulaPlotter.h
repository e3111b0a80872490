#pragma once

#include "functions/core/FunctionKind.h"

namespace zeto {

// Plots the user's formula over the domain in single-precision steps of pi/600, whatever the
// method: at every abscissa x the formula's values at x and x + 0.01; a sample whose first
// value lies within the plot bound becomes a segment to the second (line method) or a point
// (point method). The abscissa is drawn at the value its seven-digit text form has. A value that is
// no number or beyond the plane's precision raises VbError from the drawing; the formula's own
// failures raise the formula's error.
class FormulaPlotter {
  public:
    // The step between samples.
    static constexpr double kStep = 3.1415926535 / 600;

    static bool plot(const FunctionKind& kind, const GraphPlan& plan, PlotCanvas& canvas,
                     PlotInputs& inputs);
};

}  // namespace zeto
