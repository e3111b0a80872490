#pragma once

#include "plane/core/Sweep.h"

namespace zeto {

// The line method's fixed step: a segment joins the points at x and x + 0.01.
constexpr double kLineStep = 0.01;
// Graphs that can run off the plane are drawn only where |y| <= 20, the widest plane there is;
// near a pole no drawn segment then spans it.
constexpr double kPlotBound = 20;

inline bool withinPlotBound(double y) {
    return y >= -kPlotBound && y <= kPlotBound;
}

// The loop every plot steps by: `step(x)` at every abscissa of the sweep, until a step returns
// false (a yield said stop), which the loop returns. `last` receives the abscissa the sweep
// ended at, past its end, where a graph's label goes.
template <typename Step>
bool runSweep(Sweep sweep, Step&& step, double* last = nullptr) {
    for (; sweep.more(); sweep.next())
        if (!step(sweep.x())) return false;
    if (last) *last = sweep.x();
    return true;
}

}  // namespace zeto
