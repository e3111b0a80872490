#include "functions/core/GraphPlotter.h"

#include "plane/core/CoefficientReader.h"
#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "plane/core/Sweep.h"

namespace zeto {

bool GraphPlotter::plot(const GraphRoutine& routine, const GraphPlan& plan, PlotCanvas& canvas,
                        PlotInputs& inputs) {
    CoefficientReader reader;
    const auto numbers = [&] { return reader.read(inputs.coefficientTexts()); };
    double x = plan.start;
    if (plan.lineMethod && routine.straight) {
        const Coefficients c = numbers();
        canvas.segment(plan.start, routine.f(plan.start, c), plan.end, routine.f(plan.end, c),
                       inputs.color());
        if (!inputs.yield()) return false;
    } else if (plan.lineMethod) {
        Sweep sweep(plan.start, plan.end, kLineStep);
        for (; sweep.more(); sweep.next()) {
            const Coefficients c = numbers();
            const double left = sweep.x();
            const double y1 = routine.f(left, c);
            const double y2 = routine.f(left + kLineStep, c);
            if (!routine.admits(y1)) continue;
            canvas.segment(left, y1, left + kLineStep, y2, inputs.color());
            if (!inputs.yield()) return false;
        }
        x = sweep.x();
    } else {
        Sweep sweep(plan.start, plan.end, plan.pointStep);
        for (; sweep.more(); sweep.next()) {
            const BgrColor color = inputs.color();
            const double y = routine.f(sweep.x(), numbers());
            if (!routine.admits(y)) continue;
            canvas.dot(sweep.x(), y, color);
            if (!inputs.yield()) return false;
        }
        x = sweep.x();
    }
    if (plan.labelled) {
        const CoefficientTexts texts = inputs.coefficientTexts();
        canvas.label(x, routine.f(x, reader.read(texts)), routine.label(texts), inputs.color());
    }
    return true;
}

}  // namespace zeto
