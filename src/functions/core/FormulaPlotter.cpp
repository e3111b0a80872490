#include "functions/core/FormulaPlotter.h"

#include "functions/core/FormulaSource.h"
#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "plane/core/PlotSweep.h"
#include "platform/core/NumberText.h"
#include "script/core/LiteralValue.h"

namespace zeto {

bool FormulaPlotter::plot(const FunctionKind&, const GraphPlan& plan, PlotCanvas& canvas,
                          PlotInputs& inputs) {
    FormulaSource& formula = *plan.formula;
    // The abscissa steps in single precision, so no sample of a domain around 0 lands on 0
    // itself.
    return runSweep(Sweep(plan.start, plan.end, kStep, Sweep::Precision::Single), [&](double at) {
        // X takes the value the abscissa's text form has, as if that text stood in its place:
        // seven digits at x, fifteen 0.01 further on.
        const float x = toSingle(at);
        const script::Value bound = script::literalValueOf(x, 7);
        const script::Value z = formula.at(bound);
        const script::Value z1 =
            formula.at(script::literalValueOf(static_cast<double>(x) + kLineStep, 15));
        const double y = z.toNumber();
        // A value that is not a number is no sample to skip: drawing it fails.
        if (y > kPlotBound || y < -kPlotBound) return true;
        const double drawnX = bound.toNumber();
        const BgrColor color = inputs.color();
        if (plan.lineMethod) {
            canvas.segment(toSingle(drawnX), toSingle(y), toSingle(drawnX + kLineStep),
                           toSingle(z1.toNumber()), color);
        } else {
            canvas.dot(drawnX, y, color);
        }
        return inputs.yield();
    });
}

}  // namespace zeto
