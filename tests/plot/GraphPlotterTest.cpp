// The nine built-in function kinds, plotted onto a recording plane. Expected counts and
// values were worked out separately (repeated addition of the step in double precision, as
// the plot does, in a short script of another language).

#include "PlotRecorder.h"

#include "functions/core/GraphPlotter.h"
#include "plane/core/Sweep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeto::test {
namespace {

constexpr double kPi = 3.141592653589793;
const double kStartupStep = toSingle(3.1415926535 / 1000);

struct Outcome {
    int segments;
    int dots;
    double firstY1, firstY2;  // of the first segment, or the first dot's y
    QString label;
    double labelX;
};

Outcome plot(int kind, std::array<QString, 3> texts, bool line, double start = -5, double end = 5) {
    RecordingCanvas canvas;
    ScriptedInputs inputs(texts);
    GraphPlan plan;
    plan.start = start;
    plan.end = end;
    plan.lineMethod = line;
    plan.pointStep = kStartupStep;
    EXPECT_TRUE(GraphPlotter::plot(*GraphRoutines::forKind(kind), plan, canvas, inputs));
    Outcome o{static_cast<int>(canvas.segments.size()),
              static_cast<int>(canvas.dots.size()),
              0,
              0,
              canvas.labels.at(0).text,
              canvas.labels.at(0).at.x()};
    if (!canvas.segments.empty()) {
        o.firstY1 = canvas.segments[0].y1();
        o.firstY2 = canvas.segments[0].y2();
    } else if (!canvas.dots.empty()) {
        o.firstY1 = o.firstY2 = canvas.dots[0].y();
    }
    return o;
}

TEST(GraphPlotter, SamplesValuesAndLabelsOfEveryKind) {
    const struct {
        int kind;
        std::array<QString, 3> texts;
        bool line;
        double start;
        Outcome expected;
    } cases[] = {
        // One segment across the domain, the label at its start.
        {1, {"1", "1", ""}, true, -5, {1, 0, -4, 6, " y=1x+1", -5}},
        {1, {"2", "-3", ""}, false, -5, {0, 3184, -13, -13, " y=2x+-3", 5.002831228077412}},
        {2, {"1", "1", "1"}, true, -5, {1001, 0, 21, 20.9101, " y=1x^2+1x+1", 5.01}},
        {3, {"10", "", ""}, true, 0.01, {500, 0, -2, -1.6989700043360185, " y=log(10)x", 5.01}},
        // 10^x > 20 above x = 1.30 is left out.
        {4, {"10", "", ""}, true, -5, {631, 0, 1e-5, 1.0232929922807536e-5, " y=10^x", 5.01}},
        // |1/x| > 20 near 0 is left out.
        {5, {"-1", "", ""}, true, -5, {991, 0, -0.2, -1 / 4.99, " y=x^-1", 5.01}},
        {6,
         {"1", "1", "1"},
         true,
         -5,
         {1001, 0, 0.7568024953079282, std::sin(-3.99), "y=1sin(1x+1)", 5.01}},
        {7,
         {"1", "1", "1"},
         true,
         -5,
         {1001, 0, -0.6536436208636119, std::cos(-3.99), "y=1cos(1x+1)", 5.01}},
        {8, {"", "", ""}, true, -5, {961, 0, std::tan(-5.0), std::tan(-4.99), " y=tg(x)", 5.01}},
        {9,
         {"", "", ""},
         true,
         -5,
         {972, 0, 1 / std::tan(-5.0), 1 / std::tan(-4.99), " y=ctg(x)", 5.01}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.label.toStdString());
        const Outcome o = plot(c.kind, c.texts, c.line, c.start);
        EXPECT_EQ(o.segments, c.expected.segments);
        EXPECT_EQ(o.dots, c.expected.dots);
        EXPECT_FLOAT_EQ(o.firstY1, c.expected.firstY1);
        EXPECT_FLOAT_EQ(o.firstY2, c.expected.firstY2);
        EXPECT_EQ(o.label, c.expected.label);
        EXPECT_NEAR(o.labelX, c.expected.labelX, 1e-6);
    }
}

// Around every pole of tan and cot a gap is left: no drawn segment spans one.
TEST(GraphPlotter, NoSegmentSpansAPole) {
    for (int kind : {8, 9}) {
        RecordingCanvas canvas;
        ScriptedInputs inputs;
        GraphPlan plan;
        plan.labelled = false;
        ASSERT_TRUE(GraphPlotter::plot(*GraphRoutines::forKind(kind), plan, canvas, inputs));
        const double offset = kind == 8 ? kPi / 2 : 0;
        for (const QLineF& s : canvas.segments) {
            const double pole = std::round((s.x1() - offset) / kPi) * kPi + offset;
            EXPECT_GT(std::fabs(pole - s.x1()), 0.045) << kind << " " << s.x1();
            EXPECT_FALSE(s.x1() < pole && pole < s.x2()) << kind << " " << s.x1();
        }
    }
}

TEST(GraphPlotter, SamplesThatCannotBeComputedOrDrawnEndThePlot) {
    const struct {
        int kind;
        std::array<QString, 3> texts;
        double start;
        int error;
    } cases[] = {
        {5, {"0.5", "", ""}, -5, VbError::InvalidProcedureCall},  // sqrt of a negative
        {9, {"", "", ""}, 0, VbError::DivisionByZero},            // cot 0
        {3, {"1", "", ""}, 0.01, VbError::DivisionByZero},        // log to the base 1
        {3, {"-2", "", ""}, 0.01, VbError::InvalidProcedureCall},
        {4, {"0", "", ""}, -5, VbError::InvalidProcedureCall},  // 0^-5
        {1, {"1e39", "1", ""}, -5, VbError::Overflow},          // beyond single precision
        {2, {"1e308", "1", "1"}, -5, VbError::Overflow},        // beyond the range of numbers
        {6, {"1e308", "1e308", "1e308"}, -5, VbError::Overflow},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        ScriptedInputs inputs(c.texts);
        GraphPlan plan;
        plan.start = c.start;
        try {
            GraphPlotter::plot(*GraphRoutines::forKind(c.kind), plan, canvas, inputs);
            ADD_FAILURE() << c.kind << " did not fail";
        } catch (const VbError& e) {
            EXPECT_EQ(e.code(), c.error) << c.kind;
        }
        EXPECT_TRUE(canvas.segments.empty() && canvas.labels.empty()) << c.kind;
    }
}

// Coefficients and colour count from the sample after they were changed; a yield that says
// stop ends the plot before the label.
TEST(GraphPlotter, ReadsThePageAfreshAndStopsWhenToldTo) {
    RecordingCanvas canvas;
    ScriptedInputs inputs;
    inputs.onRead = [](ScriptedInputs& in) {
        if (in.reads == 501) {
            in.texts = {"0", "0", "7"};
            in.colour = 0x00FF00;
        }
    };
    GraphPlan plan;
    ASSERT_TRUE(GraphPlotter::plot(*GraphRoutines::forKind(2), plan, canvas, inputs));
    EXPECT_FLOAT_EQ(canvas.segments[499].y1(), 1 * 0.01 * 0.01 - 0.01 + 1);  // x = 0.01 - 0.02
    EXPECT_FLOAT_EQ(canvas.segments[500].y1(), 7);
    EXPECT_EQ(canvas.colors[499], 0x0000FFu);
    EXPECT_EQ(canvas.colors[500], 0x00FF00u);
    EXPECT_EQ(canvas.labels.at(0).text, " y=0x^2+0x+7");

    RecordingCanvas stopped;
    ScriptedInputs closing;
    closing.stopAfterYields = 10;
    EXPECT_FALSE(GraphPlotter::plot(*GraphRoutines::forKind(2), plan, stopped, closing));
    EXPECT_EQ(stopped.segments.size(), 10u);
    EXPECT_TRUE(stopped.labels.empty());
}

// The abscissa of every plot: repeated addition, in single precision for the custom formula.
TEST(Sweep, StepsCountsAndEnds) {
    const struct {
        double start, end, step;
        Sweep::Precision precision;
        int count;
        double last;
        double nearestZero;
    } cases[] = {
        {-5, 5, 3.1415926535 / 600, Sweep::Precision::Single, 1910, 4.995516300201416,
         0.0003761500120162964},
        {-5, 5, 0.01, Sweep::Precision::Double, 1001, 4.999999999999876, 6.230779781013496e-14},
        {2, 2, 0.01, Sweep::Precision::Double, 1, 2, 2},
        {3, 2, 0.01, Sweep::Precision::Double, 0, 0, 0},
        {-5, 5, 0, Sweep::Precision::Double, 1, -5, 5},               // no progress: one
        {1e30, 2e30, 0.01, Sweep::Precision::Double, 1, 1e30, 1e30},  // step lost in x
    };
    for (const auto& c : cases) {
        int count = 0;
        double last = 0, nearest = 0;
        for (Sweep s(c.start, c.end, c.step, c.precision); s.more(); s.next()) {
            if (count == 0 || std::fabs(s.x()) < nearest) nearest = std::fabs(s.x());
            last = s.x();
            ++count;
        }
        EXPECT_EQ(count, c.count) << c.start << " " << c.step;
        EXPECT_DOUBLE_EQ(last, c.last) << c.start << " " << c.step;
        EXPECT_DOUBLE_EQ(nearest, c.nearestZero) << c.start << " " << c.step;
    }
}

}  // namespace
}  // namespace zeto::test
