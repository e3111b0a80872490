#include "functions/core/GraphPlotter.h"

#include "plane/core/CoefficientReader.h"
#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "plane/core/PlotSweep.h"

namespace zeto {

bool GraphPlotter::plot(const FunctionKind& kind, const GraphPlan& plan, PlotCanvas& canvas,
                        PlotInputs& inputs) {
    CoefficientReader reader;
    const auto numbers = [&] { return reader.read(inputs.coefficientTexts()); };
    double x = plan.start;
    if (plan.lineMethod && kind.straight) {
        const Coefficients c = numbers();
        canvas.segment(plan.start, kind.f(plan.start, c), plan.end, kind.f(plan.end, c),
                       inputs.color());
        if (!inputs.yield()) return false;
    } else if (plan.lineMethod) {
        const bool finished = runSweep(
            Sweep(plan.start, plan.end, kLineStep),
            [&](double left) {
                const Coefficients c = numbers();
                const double y1 = kind.f(left, c);
                const double y2 = kind.f(left + kLineStep, c);
                if (!kind.admits(y1)) return true;
                canvas.segment(left, y1, left + kLineStep, y2, inputs.color());
                return inputs.yield();
            },
            &x);
        if (!finished) return false;
    } else {
        const bool finished = runSweep(
            Sweep(plan.start, plan.end, plan.pointStep),
            [&](double at) {
                const BgrColor color = inputs.color();
                const double y = kind.f(at, numbers());
                if (!kind.admits(y)) return true;
                canvas.dot(at, y, color);
                return inputs.yield();
            },
            &x);
        if (!finished) return false;
    }
    if (plan.labelled) {
        const CoefficientTexts texts = inputs.coefficientTexts();
        canvas.label(x, kind.f(x, reader.read(texts)), kind.label(texts), inputs.color());
    }
    return true;
}

}  // namespace zeto
