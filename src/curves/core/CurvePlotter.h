#pragma once

#include "curves/core/CurveKind.h"

namespace zeto {

// The frame the swept curves share: the sweep over the curve's ranges (by 0.01 under the line
// method, drawing a segment per branch and step; by the point step otherwise, a point per
// branch), coefficients and colour read afresh at every step, a yield after every step, then
// the directrices in the curve colour when asked for.
class CurvePlotter {
  public:
    static bool plot(const CurveKind& kind, const CurvePlan& plan, PlotCanvas& canvas,
                     PlotInputs& inputs);

    // The circle (X+a)^2+(Y+b)^2=r^2 about (-a, -b), one drawing whatever the method, with
    // its centre marked one pixel wide. The three texts must be numbers as a whole; a
    // negative radius describes no circle.
    static bool circle(const CurveKind& kind, const CurvePlan& plan, PlotCanvas& canvas,
                       PlotInputs& inputs);
};

}  // namespace zeto
