// The function kinds and the curves, plotted onto a recording plane at the default axis
// half-length 10. Expected counts and values were worked out separately (repeated addition of
// the step in double precision, as the plot does, in a short script of another language).

#include "PlaneProbe.h"

#include "curves/core/CurveKind.h"
#include "functions/core/FunctionKind.h"
#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "plane/core/Sweep.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

#include <QLineF>
#include <QPointF>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace zeto::test {
namespace {

constexpr double kPi = 3.141592653589793;
const double kStartupStep = toSingle(3.1415926535 / 1000);

// A plane that keeps what is drawn on it, and refuses what the real plane refuses:
// coordinates beyond single precision.
class RecordingCanvas : public PlotCanvas {
  public:
    struct Label {
        QPointF at;
        QString text;
    };
    struct Circle {
        QPointF centre;
        double r;
    };

    void segment(double x1, double y1, double x2, double y2, BgrColor color) override {
        segments.push_back(QLineF(single(x1), single(y1), single(x2), single(y2)));
        colors.push_back(color);
    }
    void dot(double x, double y, BgrColor color) override {
        dots.push_back(QPointF(single(x), single(y)));
        colors.push_back(color);
    }
    void label(double x, double y, const QString& text, BgrColor) override {
        labels.push_back({QPointF(single(x), single(y)), text});
    }
    void circle(double cx, double cy, double r, BgrColor) override {
        circles.push_back({QPointF(single(cx), single(cy)), single(r)});
    }
    void setPenWidth(int pixels) override { penWidths.push_back(pixels); }

    std::vector<QLineF> segments;
    std::vector<QPointF> dots;
    std::vector<Label> labels;
    std::vector<Circle> circles;
    std::vector<BgrColor> colors;
    std::vector<int> penWidths;

  private:
    static double single(double v) {
        const float f = toSingle(v);
        if (!std::isfinite(f)) throw VbError(VbError::Overflow);
        return f;
    }
};

// A page whose fields say what a test wants; `onRead` may edit them while the plot runs.
class ScriptedInputs : public PlotInputs {
  public:
    explicit ScriptedInputs(std::array<QString, 3> texts = {"1", "1", "1"}) : texts(texts) {}

    std::array<QString, 3> coefficientTexts() override {
        ++reads;
        if (onRead) onRead(*this);
        return texts;
    }
    BgrColor color() override { return colour; }
    bool yield() override { return ++yields < stopAfterYields; }

    std::array<QString, 3> texts;
    BgrColor colour = 0x0000FF;
    int reads = 0;
    int yields = 0;
    int stopAfterYields = 1 << 30;
    std::function<void(ScriptedInputs&)> onRead;
};

const FunctionKind& kindNumber(int k) {
    return FunctionCatalogue::kinds().at(static_cast<std::size_t>(k - 1));
}

bool plot(const FunctionKind& kind, const GraphPlan& plan, PlotCanvas& canvas, PlotInputs& inputs) {
    return kind.plot(kind, plan, canvas, inputs);
}

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
        ASSERT_TRUE(plot(kindNumber(c.kind), plan, canvas, inputs));
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
        ASSERT_TRUE(plot(kindNumber(kind), plan, canvas, inputs));
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
    ASSERT_TRUE(plot(kindNumber(2), plan, canvas, inputs));
    EXPECT_FLOAT_EQ(canvas.segments[499].y1(), 1 * 0.01 * 0.01 - 0.01 + 1);  // x = 0.01 - 0.02
    EXPECT_FLOAT_EQ(canvas.segments[500].y1(), 7);
    EXPECT_EQ(canvas.colors[499], 0x0000FFu);
    EXPECT_EQ(canvas.colors[500], 0x00FF00u);
    EXPECT_EQ(canvas.labels.at(0).text, " y=0x^2+0x+7");

    RecordingCanvas stopped;
    ScriptedInputs closing;
    closing.stopAfterYields = 10;
    EXPECT_FALSE(plot(kindNumber(2), plan, stopped, closing));
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
    const CurveKind& kind = *CurveCatalogue::find(item);
    d.error = errorCode([&] { kind.plot(kind, plan, d.canvas, inputs); });
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
