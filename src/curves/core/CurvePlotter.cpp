#include "curves/core/CurvePlotter.h"

#include "plane/core/CoefficientReader.h"
#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "plane/core/PlotSweep.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

#include <cmath>

namespace zeto {
namespace {

// A sweep far wider than the plane would take ages over points nobody can see: it starts at
// its own first step that falls just left of the plane and ends just right of it.
SweepRange onThePlane(SweepRange range, double step, double axisLength) {
    const double lo = -axisLength - 1, hi = axisLength + 1;
    if (range.end > hi) range.end = hi;
    if (range.start < lo) range.start += std::floor((lo - range.start) / step) * step;
    return range;
}

// A coefficient of the circle: the whole text must be a number within single precision.
double singleValue(const QString& text) {
    const std::optional<double> value = strictNumber(text);
    if (!value) throw VbError(VbError::TypeMismatch);
    const float single = toSingle(*value);
    if (!std::isfinite(single)) throw VbError(VbError::Overflow);
    return single;
}

}  // namespace

bool CurvePlotter::plot(const CurveKind& kind, const CurvePlan& plan, PlotCanvas& canvas,
                        PlotInputs& inputs) {
    const SweptCurve& curve = kind.swept;
    CoefficientReader reader;
    const auto coefficients = [&] { return reader.read(inputs.coefficientTexts()); };
    const CurveCoefficients first = coefficients();
    // Coefficients that describe no curve are refused before anything is drawn.
    curve.branches(0, first, 0);

    if (plan.lineMethod && curve.straight) {
        const QPointF from = curve.branches(-plan.axisLength, first, 0).front();
        const QPointF to = curve.branches(plan.axisLength, first, 0).front();
        canvas.segment(from.x(), from.y(), to.x(), to.y(), inputs.color());
        if (!inputs.yield()) return false;
    } else {
        const double step = plan.lineMethod ? kLineStep : plan.pointStep;
        const std::vector<SweepRange> ranges =
            curve.ranges(first, plan.axisLength, plan.lineMethod);
        for (std::size_t k = 0; k < ranges.size(); ++k) {
            const SweepRange range = onThePlane(ranges[k], step, plan.axisLength);
            const bool finished = runSweep(Sweep(range.start, range.end, step), [&](double t) {
                const CurveCoefficients c = coefficients();
                const BgrColor color = inputs.color();
                const std::vector<QPointF> points = curve.branches(t, c, k);
                if (plan.lineMethod) {
                    const std::vector<QPointF> ends = curve.branches(t + step, c, k);
                    for (std::size_t b = 0; b < points.size(); ++b)
                        canvas.segment(points[b].x(), points[b].y(), ends[b].x(), ends[b].y(),
                                       color);
                } else {
                    for (const QPointF& p : points) canvas.dot(p.x(), p.y(), color);
                }
                return inputs.yield();
            });
            if (!finished) return false;
        }
    }
    if (plan.directrices) {
        const BgrColor color = inputs.color();
        for (const Segment& d : curve.directrices(coefficients(), plan.axisLength))
            canvas.segment(d.from.x(), d.from.y(), d.to.x(), d.to.y(), color);
    }
    return true;
}

bool CurvePlotter::circle(const CurveKind&, const CurvePlan& plan, PlotCanvas& canvas,
                          PlotInputs& inputs) {
    std::array<QString, 3> texts = inputs.coefficientTexts();
    const double a = singleValue(texts[0]);
    const double b = singleValue(texts[1]);
    const double r = singleValue(texts[2]);
    if (r < 0) throw VbError(VbError::InvalidProcedureCall);
    if (r > 0) canvas.circle(-a, -b, r, inputs.color());

    // The centre is marked one pixel wide; the pen goes back to the plane's width whatever
    // happens.
    struct PenBack {
        PlotCanvas& canvas;
        int width;
        ~PenBack() { canvas.setPenWidth(width); }
    } penBack{canvas, plan.penWidth == 1 ? 1 : 2};
    canvas.setPenWidth(1);
    texts = inputs.coefficientTexts();
    canvas.dot(-singleValue(texts[0]), -singleValue(texts[1]), inputs.color());
    return true;
}

}  // namespace zeto
