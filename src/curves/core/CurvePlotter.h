#pragma once

#include "curves/core/CurveRoutines.h"

namespace zeto {

class PlotCanvas;
class PlotInputs;

// How a curve is plotted: the method and the point method's step, the plane's axis
// half-length and pen width, and whether the directrices are drawn.
struct CurvePlan {
    bool lineMethod = true;
    double pointStep = 0;
    double sl = 10;
    int bl = 2;
    bool directrices = false;
};

// The frame the curves share: the sweep over the curve's ranges (by 0.01 under the line
// method, drawing a segment per branch and step; by the point step otherwise, a point per
// branch), coefficients and colour read afresh at every step, a yield after every step,
// then the directrices in the curve colour when asked for.
class CurvePlotter {
  public:
    static constexpr double kLineStep = 0.01;

    // Raises VbError where the coefficients describe no curve or a step cannot be drawn; what
    // was drawn before stays. Returns false when it stopped because a yield said so.
    static bool plot(const CurveRoutine& routine, const CurvePlan& plan, PlotCanvas& canvas,
                     PlotInputs& inputs);

    // The circle (X+a)^2+(Y+b)^2=r^2 about (-a, -b), one drawing whatever the method, with
    // its centre marked one pixel wide. The three texts must be numbers as a whole; a
    // negative radius describes no circle.
    static bool circle(const CurvePlan& plan, PlotCanvas& canvas, PlotInputs& inputs);
};

}  // namespace zeto
