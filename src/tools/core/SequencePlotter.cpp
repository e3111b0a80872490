#include "tools/core/SequencePlotter.h"

#include "plane/core/PlotCanvas.h"

#include <algorithm>
#include <cmath>

namespace zeto {

int SequencePlotter::plot(PlotCanvas& canvas, const Term& term, const Plan& plan) {
    struct PenBack {
        PlotCanvas& canvas;
        int width;
        ~PenBack() { canvas.setPenWidth(width); }
    } penBack{canvas, plan.penWidth};
    canvas.setPenWidth(kDotWidth);

    const double reach = std::abs(plan.axisLength);
    const double last = std::min(plan.lastIndex, reach);
    int drawn = 0;
    for (double n = 1; n <= last; ++n) {
        const std::optional<double> value = term(n);
        if (!value || !(std::fabs(*value) <= reach)) continue;
        canvas.dot(n, *value, plan.color);
        ++drawn;
    }
    return drawn;
}

}  // namespace zeto
