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

TEST(GraphPlotter, SamplesValuesAndLabelsOfEveryKind) {
    const struct {
        int kind;
        std::array<QString, 3> texts;
        bool line;
        double start;
        size_t count;             // segments, or dots under the point method
        double firstY1, firstY2;  // of the first segment, or the first dot's y
        const char* label;
        double labelX;
    } cases[] = {
        // One segment across the domain, the label at its start.
        {1, {"1", "1", ""}, true, -5, 1, -4, 6, " y=1x+1", -5},
        {1, {"2", "-3", ""}, false, -5, 3184, -13, -13, " y=2x+-3", 5.002831228077412},
        {2, {"1", "1", "1"}, true, -5, 1001, 21, 20.9101, " y=1x^2+1x+1", 5.01},
        {3, {"10", "", ""}, true, 0.01, 500, -2, -1.6989700043360185, " y=log(10)x", 5.01},
        // 10^x > 20 above x = 1.30 is left out.
        {4, {"10", "", ""}, true, -5, 631, 1e-5, 1.0232929922807536e-5, " y=10^x", 5.01},
        // |1/x| > 20 near 0 is left out.
        {5, {"-1", "", ""}, true, -5, 991, -0.2, -1 / 4.99, " y=x^-1", 5.01},
        {6, {"1", "1", "1"}, true, -5, 1001, std::sin(-4.0), std::sin(-3.99), "y=1sin(1x+1)", 5.01},
        {7, {"1", "1", "1"}, true, -5, 1001, std::cos(-4.0), std::cos(-3.99), "y=1cos(1x+1)", 5.01},
        {8, {}, true, -5, 961, std::tan(-5.0), std::tan(-4.99), " y=tg(x)", 5.01},
        {9, {}, true, -5, 972, 1 / std::tan(-5.0), 1 / std::tan(-4.99), " y=ctg(x)", 5.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RecordingCanvas canvas;
        ScriptedInputs inputs(c.texts);
        GraphPlan plan;
        plan.start = c.start;
        plan.lineMethod = c.line;
        plan.pointStep = kStartupStep;
        ASSERT_TRUE(GraphPlotter::plot(*GraphRoutines::forKind(c.kind), plan, canvas, inputs));
        EXPECT_EQ(canvas.segments.size(), c.line ? c.count : 0u);
        EXPECT_EQ(canvas.dots.size(), c.line ? 0u : c.count);
        const QLineF first =
            c.line ? canvas.segments.at(0) : QLineF(canvas.dots.at(0), canvas.dots.at(0));
        EXPECT_FLOAT_EQ(first.y1(), c.firstY1);
        EXPECT_FLOAT_EQ(first.y2(), c.firstY2);
        ASSERT_EQ(canvas.labels.size(), 1u);
        EXPECT_EQ(canvas.labels[0].text, QString::fromUtf8(c.label));
        EXPECT_NEAR(canvas.labels[0].at.x(), c.labelX, 1e-6);
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
