// The curves, plotted onto a recording plane at the default axis half-length 10. Counts and
// vertices were worked out separately by repeated addition of the step, as the plot does.

#include "PlaneProbe.h"
#include "PlotRecorder.h"

#include "curves/core/CurvePlotter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeto::test {
namespace {

const double kStartupStep = toSingle(3.1415926535 / 1000);

struct Drawn {
    RecordingCanvas canvas;
    int error = 0;
};

Drawn draw(const QString& item, std::array<QString, 3> texts, bool line, bool directrices) {
    Drawn d;
    ScriptedInputs inputs(texts);
    CurvePlan plan;
    plan.lineMethod = line;
    plan.pointStep = kStartupStep;
    plan.directrices = directrices;
    d.error = errorCode([&] {
        if (item == QStringLiteral("圆"))
            CurvePlotter::circle(plan, d.canvas, inputs);
        else
            CurvePlotter::plot(*CurveRoutines::find(item), plan, d.canvas, inputs);
    });
    return d;
}

bool near(const QPointF& a, const QPointF& b) {
    return std::fabs(a.x() - b.x()) < 1e-5 && std::fabs(a.y() - b.y()) < 1e-5;
}

// Directrices are asked for in every row; where they stand is checked on the plane.
TEST(CurvePlotter, SweepsAndVertices) {
    const struct {
        const char* item;
        std::array<QString, 3> texts;
        bool line;
        int segments;  // directrices included
        int dots;
        QPointF first;  // where the first segment or dot starts
    } cases[] = {
        {"直线", {"1", "1", "0"}, true, 1, 0, {-10, 10}},
        {"直线", {"1", "1", "0"}, false, 0, 6367, {-10, 10}},
        {"直线", {"0", "2", "-4"}, true, 1, 0, {-10, 2}},
        {"直线", {"abc", "0", "-4"}, true, 0, 0, {}},  // A reads 0: no line
        {"直线", {"2", "0", "-4"}, true, 1, 0, {2, -10}},
        {"直线", {"2", "0", "-4"}, false, 0, 6367, {2, -10}},
        {"椭圆", {"5", "3", ""}, true, 2002, 0, {-5, 0}},
        {"椭圆", {"5", "-3", ""}, false, 2, 6368, {-5, 0}},
        {"椭圆", {"-3", "5", ""}, true, 1202, 0, {-3, 0}},
        {"椭圆", {"4", "4", ""}, true, 1600, 0, {-4, 0}},
        {"双曲线1", {"3", "4", ""}, true, 2804, 0, {-10, 4 * std::sqrt(100.0 / 9 - 1)}},
        {"双曲线2", {"3", "4", ""}, true, 4004, 0, {-10, 3 * std::sqrt(1 + 100.0 / 16)}},
        {"抛物线1", {"2", "", ""}, true, 2003, 0, {0, 0}},
        {"抛物线1", {"-2", "", ""}, true, 1999, 0, {-10, std::sqrt(40.0)}},
        {"抛物线1", {"0", "", ""}, true, 2003, 0, {0, 0}},
        {"抛物线2", {"1", "", ""}, true, 2002, 0, {-10, 50}},
        {"抛物线2", {"-1", "", ""}, true, 2002, 0, {-10, -50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " " + c.texts[0].toStdString() + "," +
                     c.texts[1].toStdString() + (c.line ? " lines" : " points"));
        const Drawn d = draw(QString::fromUtf8(c.item), c.texts, c.line, true);
        if (c.segments == 0 && c.dots == 0) {
            EXPECT_EQ(d.error, VbError::InvalidProcedureCall);
            continue;
        }
        ASSERT_FALSE(d.error);
        EXPECT_EQ(static_cast<int>(d.canvas.segments.size()), c.segments);
        EXPECT_EQ(static_cast<int>(d.canvas.dots.size()), c.dots);
        const QPointF first =
            d.canvas.dots.empty() ? d.canvas.segments.at(0).p1() : d.canvas.dots.at(0);
        EXPECT_NEAR(first.x(), c.first.x(), 1e-5);
        EXPECT_NEAR(first.y(), c.first.y(), 1e-4);
    }
}

// Each branch reaches its vertex: the left branch of the first hyperbola ends there, though
// its sweep stops 0.001 short of it; the right one starts there. Under the line method the
// left half of the first parabola stops within a step of its vertex.
TEST(CurvePlotter, BranchesAndTheirVertices) {
    const Drawn hyperbola = draw(QStringLiteral("双曲线1"), {"3", "4", ""}, true, false);
    const auto& h = hyperbola.canvas.segments;
    ASSERT_EQ(h.size(), 2 * (700u + 701u));
    EXPECT_TRUE(near(h[2 * 699].p2(), {-3, 0}));      // upper half of the left branch
    EXPECT_TRUE(near(h[2 * 699 + 1].p2(), {-3, 0}));  // lower half
    EXPECT_EQ(h[2 * 700].p1(), QPointF(3, 0));
    const Drawn points = draw(QStringLiteral("双曲线1"), {"3", "4", ""}, false, false);
    for (const QPointF& p : points.canvas.dots) EXPECT_GE(std::fabs(p.x()), 3.0f);

    const Drawn parabola = draw(QStringLiteral("抛物线1"), {"-2", "", ""}, true, false);
    const QLineF last = parabola.canvas.segments.back();
    EXPECT_NEAR(last.x2(), -0.01, 1e-9);
    EXPECT_NEAR(last.y2(), -std::sqrt(0.04), 1e-7);
    for (const QLineF& seg : parabola.canvas.segments) EXPECT_LE(seg.x2(), 0);
}

// Where the circle stands is checked on the plane; its centre is marked one pixel wide, and
// the pen then goes back to the plane's width.
TEST(CurvePlotter, CircleMarksItsCentreThinly) {
    const Drawn d = draw(QStringLiteral("圆"), {"1", "-2", "3"}, false, true);
    ASSERT_EQ(d.canvas.circles.size(), 1u);
    EXPECT_EQ(d.canvas.circles[0].centre, QPointF(-1, 2));
    EXPECT_EQ(d.canvas.circles[0].r, 3);
    EXPECT_EQ(d.canvas.dots, std::vector<QPointF>{QPointF(-1, 2)});
    EXPECT_EQ(d.canvas.penWidths, (std::vector<int>{1, 2}));
}

// A curve far larger than the plane is swept only where the plane is; the plot still ends.
TEST(CurvePlotter, HugeCurvesAreSweptOnlyOverThePlane) {
    for (const char* a : {"1e10", "1e30"}) {
        const Drawn d = draw(QStringLiteral("椭圆"), {a, "3", ""}, false, false);
        EXPECT_FALSE(d.error) << a;
        EXPECT_LE(d.canvas.dots.size(), 2 * (22 / kStartupStep + 2)) << a;
    }
}

}  // namespace
}  // namespace zeto::test
