// The function and curve pages' plot buttons end to end: messages, the idle state after
// every plot, the pixels of the graphs on the plane, and plots that meet other commands.

#include "FakeShell.h"
#include "PlaneProbe.h"

#include "curves/CurvePage.h"
#include "functions/FunctionPage.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlaneTools.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace zeto::test {
namespace {

const QString kDomain = QStringLiteral("定义域设置错误，必须在-20到20间");
const QString kBase = QStringLiteral("不能作图，指数函数底数必须大于0");
const QString kLog = QStringLiteral("不能作图，对数函数底数必须大于0且不等于1，定义域也必须大于0");
const QString kDraw = QStringLiteral("画图出错，请检查参数是否设置正确");
const QString kFormula = QStringLiteral("自定义画图出错，请严格按照计算机数学符号规范书写!");
const QString kEmpty = QStringLiteral("未填系数");
constexpr BgrColor kGraph = 0x2080E0;  // a colour the plane uses for nothing else

struct Pages {
    Pages() {
        for (const char* swatch : {"tucolor", "qucolor"}) {
            shell.scripted.colorAnswers.push_back(colorFromBgr(kGraph));
            emit control<ColorSwatch>(swatch)->clicked();
        }
    }
    template <typename T>
    T* control(const char* name) {
        return shell.control<T>(name);
    }
    void set(const char* field, const QString& text) { control<QLineEdit>(field)->setText(text); }
    void setAll(const char* prefix, const std::array<QString, 3>& texts) {
        for (int k = 0; k < 3; ++k) set((prefix + std::to_string(k + 1)).c_str(), texts[k]);
    }
    // Selecting a kind comes first: the logarithm writes its own domain start and base.
    void plotFunction(const char* kind, const std::array<QString, 3>& coefficients,
                      const char* start = "-5", const char* end = "5") {
        functions->selectKind(QString::fromUtf8(kind));
        set("zy1", start);
        set("zy2", end);
        setAll("XS", coefficients);
        control<QPushButton>("Command2")->click();
    }
    void plotCurve(const char* curve, const std::array<QString, 3>& coefficients) {
        curves->selectKind(QString::fromUtf8(curve));
        setAll("QXS", coefficients);
        control<QPushButton>("Command8")->click();
    }
    void pointMethod(bool on) { control<QRadioButton>(on ? "Opmdf" : "Oplxf")->setChecked(true); }

    const QImage& image() { return shell.coordinateWindow().surface().image(); }
    PlaneGrid grid() { return {image().width(), image().height(), shell.settings().axisLength}; }
    bool graphAt(double x, double y) {
        return colorNear(image(), grid().col(x), grid().row(y), kGraph, 2);
    }
    bool planeShown() { return shell.coordinateWindow().isVisible(); }

    FakeShell shell;
    FunctionPage* functions = new FunctionPage(shell.context(), 24, &shell.main);
    CurvePage* curves = new CurvePage(shell.context(), 24, &shell.main);
};

// Every plot ends idle, whatever happened, with at most one message.
void expectIdleAfter(Pages& p, const QString& message) {
    EXPECT_EQ(p.shell.scripted.messageTexts(),
              message.isEmpty() ? QStringList() : QStringList{message});
    EXPECT_EQ(p.shell.status, QStringLiteral("就绪"));
    EXPECT_FALSE(p.shell.lampRunning);
}

// Functions and curves from their pages: what reaches the plane, what is reported, and what
// is drawn when a message comes (nothing).
TEST(PlotPage, InputsAndTheirMessages) {
    const struct {
        const char* kind;
        std::array<QString, 3> coefficients;
        const char* domain[2];  // none for a curve
        const char* formula;
        QString message;
        bool sound;
        bool shown;
        QPointF drawnAt;  // a point of the graph, when one is drawn
    } cases[] = {
        {"一次函数", {"1", "1", ""}, {"3", "2"}, "", kDomain, false, false, {}},
        {"一次函数", {"1", "1", ""}, {"-21", "5"}, "", kDomain, false, false, {}},
        {"一次函数", {"1", "1", ""}, {"-5", "21"}, "", kDomain, false, false, {}},
        {"一次函数", {"1", "1", ""}, {"abc", "5"}, "", {}, true, true, {3, 4}},
        {"二次函数", {"1", "0", "0"}, {"2", "2"}, "", {}, true, true, {2, 4}},
        {"对数函数", {"1", "", ""}, {"0.01", "5"}, "", kLog, false, true, {}},
        {"对数函数", {"0", "", ""}, {"0.01", "5"}, "", kLog, false, true, {}},
        {"对数函数", {"-2", "", ""}, {"0.01", "5"}, "", kLog, false, true, {}},
        {"对数函数", {"10", "", ""}, {"0", "5"}, "", kLog, false, true, {}},
        {"对数函数", {"0.5", "", ""}, {"0.01", "5"}, "", {}, true, true, {2, -1}},
        {"指数函数", {"0", "", ""}, {"-5", "5"}, "", kBase, false, true, {}},
        {"指数函数", {"1", "", ""}, {"-5", "5"}, "", {}, true, true, {-3, 1}},
        {"幂函数", {"0.5", "", ""}, {"-5", "5"}, "", kDraw, true, true, {}},
        {"余切函数", {"", "", ""}, {"0", "5"}, "", kDraw, true, true, {}},
        {"一次函数", {"1e39", "1", ""}, {"-5", "5"}, "", kDraw, true, true, {}},
        {"二次函数", {"1e308", "1", "1"}, {"-5", "5"}, "", kDraw, true, true, {}},
        {"正弦函数", {"1e308", "1e308", "1e308"}, {"-5", "5"}, "", kDraw, true, true, {}},
        {"二次函数", {"1e30", "0", "0"}, {"-5", "5"}, "", {}, true, true, {}},
        // Names that hold the letter x are names, not places for x: exp(X) is e to the x.
        {"自定义函数", {}, {"-5", "5"}, "exp(X)", {}, true, true, {1, 2.718281828}},
        {"自定义函数", {}, {"-5", "5"}, "2x²-1", {}, true, true, {1, 1}},
        {"自定义函数", {}, {"-5", "5"}, "sqr(X)", kFormula, false, true, {}},
        {"自定义函数", {}, {"-5", "5"}, "(X", kFormula, false, true, {}},
        {"自定义函数", {}, {"-5", "5"}, "", kFormula, false, true, {}},
        // A formula may only draw: the calculator's result box is not handed to it.
        {"自定义函数", {}, {"-5", "5"}, "X+1/X: call OBJsc.SS(1)", kFormula, false, true, {}},
        // A value the plane cannot take is reported once, and ends the plot.
        {"自定义函数", {}, {"-5", "5"}, "\"a\"", kDraw, false, true, {}},
        {"自定义函数", {}, {"-5", "5"}, "X*X/4", {}, true, true, {3, 2.25}},
        {"自定义函数", {}, {"-5", "5"}, "X-3", {}, true, true, {1, -2}},  // below the x axis
        {"直线", {"", "1", "1"}, {}, "", kEmpty, false, false, {}},
        {"直线", {"1", "1", ""}, {}, "", kEmpty, false, false, {}},
        {"椭圆", {"5", "", ""}, {}, "", kEmpty, false, false, {}},
        {"椭圆", {"5", "3", ""}, {}, "", {}, true, true, {0, 3}},  // the hidden third is not read
        {"抛物线1", {"2", "", ""}, {}, "", {}, true, true, {2, 2.8284}},  // nor the hidden second
        {"直线", {" ", "1", "1"}, {}, "", {}, true, true, {3, -1}},       // a blank is not empty: 0
        {"直线", {"1", "1", "abc"}, {}, "", {}, true, true, {3, -3}},
        {"圆", {"1", "1", "abc"}, {}, "", kDraw, true, true, {}},
        {"圆", {"1", "1", " "}, {}, "", kDraw, true, true, {}},
        {"圆", {"1e39", "1", "1"}, {}, "", kDraw, true, true, {}},
        {"圆", {"1", "1", "-1"}, {}, "", kDraw, true, true, {}},
        {"圆", {"1", "1", "0"}, {}, "", {}, true, true, {-1, -1}},
        {"直线", {"0", "0", "1"}, {}, "", kDraw, true, true, {}},
        {"椭圆", {"0", "3", ""}, {}, "", kDraw, true, true, {}},
        {"双曲线1", {"0", "3", ""}, {}, "", kDraw, true, true, {}},
        {"双曲线2", {"3", "0", ""}, {}, "", kDraw, true, true, {}},
        {"双曲线2", {"0", "4", ""}, {}, "", kDraw, true, true, {}},
        {"抛物线2", {"0", "", ""}, {}, "", kDraw, true, true, {}},
        {"椭圆", {"1e30", "3", ""}, {}, "", {}, true, true, {0, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.formula + " " + c.coefficients[0].toStdString() +
                     "," + c.coefficients[1].toStdString() + "," + c.coefficients[2].toStdString());
        Pages p;
        if (c.domain[0]) {
            p.set("zdyjxs", QString::fromUtf8(c.formula));
            p.plotFunction(c.kind, c.coefficients, c.domain[0], c.domain[1]);
        } else {
            p.plotCurve(c.kind, c.coefficients);
        }
        expectIdleAfter(p, c.message);
        EXPECT_EQ(p.shell.sounds, c.sound ? 1 : 0);
        EXPECT_EQ(p.planeShown(), c.shown);
        EXPECT_TRUE(c.drawnAt.isNull() || p.graphAt(c.drawnAt.x(), c.drawnAt.y()));
        if (c.message.isEmpty()) continue;
        EXPECT_EQ(countColor(p.image(), kGraph), 0);
        EXPECT_EQ(p.shell.scripted.messages.value(0).icon,
                  c.message == kEmpty ? Dialogs::Icon::None : Dialogs::Icon::Exclamation);
    }
}

// The part of a failing formula where the engine stopped is selected for the user to mend.
TEST(PlotPage, TheFailedPartOfTheFormulaIsSelected) {
    Pages p;
    p.set("zdyjxs", QStringLiteral("X+1/(X-X)"));
    p.plotFunction("自定义函数", {});
    EXPECT_EQ(p.shell.scripted.messageTexts(), QStringList{kFormula});
    EXPECT_EQ(p.control<QLineEdit>("zdyjxs")->selectedText(), QStringLiteral("/"));
}

// Points worked out by hand on each graph, and points that lie off it, by both methods; the
// circle on the plane as it starts and on the stretched "中" plane.
TEST(PlotPage, GraphsPassThroughTheirPointsOnly) {
    const double pi = 3.141592653589793;
    const struct {
        bool function;
        const char* kind;
        std::array<QString, 3> coefficients;
        std::vector<QPointF> on;
        std::vector<QPointF> off;
    } cases[] = {
        {true, "一次函数", {"2", "-3", ""}, {{1, -1}, {4, 5}}, {{1, 1}}},
        {true, "二次函数", {"1", "1", "1"}, {{1, 3}, {-2, 3}}, {{0, 3}}},
        {true, "指数函数", {"2", "", ""}, {{0, 1}, {2, 4}}, {{2, 1}}},
        {true, "幂函数", {"2", "", ""}, {{2, 4}, {-3, 9}}, {{0, 2}}},
        {true, "正弦函数", {"2", "1", "0"}, {{pi / 2, 2}, {0, 0}}, {{0, 1.5}}},
        // The phase is added after the frequency: sin(2x + 1) peaks at x = (pi/2 - 1)/2.
        {true, "正弦函数", {"1", "2", "1"}, {{(pi / 2 - 1) / 2, 1}}, {{(pi / 2 - 1) / 2, -1}}},
        {true, "余弦函数", {"1", "1", "0"}, {{0, 1}, {pi, -1}}, {{0, -1}}},
        {true, "正切函数", {"", "", ""}, {{pi / 4, 1}, {-pi / 4, -1}}, {{0, 2}}},
        {true, "余切函数", {"", "", ""}, {{pi / 4, 1}, {-pi / 4, -1}}, {{0.5, 0}}},
        {false, "直线", {"1", "1", "0"}, {{5, -5}, {-10, 10}}, {{5, 5}}},
        {false, "直线", {"2", "0", "-4"}, {{2, 7}, {2, -9}}, {{0, 7}}},
        {false, "圆", {"1", "2", "3"}, {{2, -2}, {-4, -2}, {-1, 1}, {-1, -5}}, {{1, 2}, {-3, 0}}},
        {false, "椭圆", {"5", "3", ""}, {{5, 0}, {0, 3}, {-5, 0}, {3, -2.4}}, {{0, 0}, {6, 0}}},
        {false, "双曲线1", {"3", "4", ""}, {{3, 0}, {5, 16.0 / 3}, {-5, -16.0 / 3}}, {{0, 0}}},
        {false, "双曲线2", {"3", "4", ""}, {{0, 3}, {4, 4.2426}, {0, -3}}, {{0, 0}}},
        {false, "抛物线1", {"2", "", ""}, {{1, 2}, {4, -4}}, {{-1, 1}}},
        {false, "抛物线1", {"-2", "", ""}, {{-1, 2}, {-4, -4}}, {{1, 1}}},
        {false, "抛物线2", {"1", "", ""}, {{2, 2}, {-4, 8}}, {{0, 2}}},
    };
    for (bool points : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.kind) + (points ? " points" : " lines"));
            Pages p;
            p.pointMethod(points);
            if (c.function) {
                p.plotFunction(c.kind, c.coefficients, "-10", "10");
            } else {
                p.plotCurve(c.kind, c.coefficients);
            }
            EXPECT_TRUE(p.shell.scripted.messages.isEmpty());
            for (const QPointF& q : c.on)
                EXPECT_TRUE(p.graphAt(q.x(), q.y())) << q.x() << "," << q.y();
            for (const QPointF& q : c.off)
                EXPECT_FALSE(p.graphAt(q.x(), q.y())) << q.x() << "," << q.y();
        }
    }
    Pages p;
    p.control<QRadioButton>("Option2")->click();  // "中": 439 x 400 pixels
    p.plotCurve("圆", {"1", "2", "3"});
    for (const QPointF& q : {QPointF(2, -2), QPointF(-4, -2), QPointF(-1, 1), QPointF(-1, -5)})
        EXPECT_TRUE(p.graphAt(q.x(), q.y())) << q.x() << "," << q.y();
    EXPECT_FALSE(p.graphAt(-1, 1.4));  // where a circle round in pixels would reach
}

TEST(PlotPage, DirectricesWhenAsked) {
    const struct {
        const char* curve;
        std::array<QString, 3> coefficients;
        std::vector<QPointF> on;  // on the directrices, away from the curve
        QPointF beyond;           // past the end of a directrix: they reach 0.75 of the axis
    } cases[] = {
        {"椭圆", {"5", "3", ""}, {{6.25, 7}, {-6.25, -7}}, {6.25, 8.5}},
        {"椭圆", {"3", "5", ""}, {{7, 6.25}, {-7, -6.25}}, {8.5, 6.25}},
        {"双曲线1", {"3", "4", ""}, {{1.8, 7}, {-1.8, -7}}, {1.8, 8.5}},
        {"双曲线2", {"3", "4", ""}, {{7, 1.8}, {-7, -1.8}}, {8.5, 1.8}},
        {"抛物线1", {"2", "", ""}, {{-1, 7}}, {-1, 8.5}},
        {"抛物线2", {"1", "", ""}, {{7, -0.5}}, {8.5, -0.5}},
        // Sides follow the signs of the coefficients; p = 0 puts the directrix on the y axis.
        {"椭圆", {"5", "-3", ""}, {{6.25, 7}, {-6.25, -7}}, {6.25, 8.5}},
        {"抛物线1", {"-2", "", ""}, {{1, 7}}, {1, 8.5}},
        {"抛物线1", {"0", "", ""}, {{0, 7}, {0, -7}}, {0, 8.5}},
        {"抛物线2", {"-1", "", ""}, {{7, 0.5}}, {8.5, 0.5}},
    };
    for (const auto& c : cases) {
        for (bool asked : {false, true}) {
            SCOPED_TRACE(std::string(c.curve) + (asked ? " asked" : ""));
            Pages p;
            p.control<QCheckBox>("quchk")->setChecked(asked);
            p.plotCurve(c.curve, c.coefficients);
            for (const QPointF& q : c.on) EXPECT_EQ(p.graphAt(q.x(), q.y()), asked);
            EXPECT_FALSE(p.graphAt(c.beyond.x(), c.beyond.y()));
        }
    }
}

// The plane's image is a cache of its record: painted afresh from the record, every kind by
// both methods, with the hand tools' marks between the plots, gives the very same pixels; a
// clear empties the record.
TEST(PlotPage, TheRecordPaintsThePictureAgainPixelForPixel) {
    const std::pair<const char*, std::array<QString, 3>> functions[] = {
        {"一次函数", {"2", "-3", ""}},
        {"二次函数", {"1", "1", "-4"}},
        {"对数函数", {"2", "", ""}},
        {"指数函数", {"2", "", ""}},
        {"幂函数", {"-1", "", ""}},
        {"正弦函数", {"3", "2", "1"}},
        {"余弦函数", {"2", "1", "0"}},
        {"正切函数", {}},
        {"余切函数", {}},
        {"自定义函数", {}}};
    const std::pair<const char*, std::array<QString, 3>> curves[] = {
        {"直线", {"1", "-2", "3"}},  {"圆", {"1", "2", "3"}},     {"椭圆", {"5", "3", ""}},
        {"双曲线1", {"3", "4", ""}}, {"双曲线2", {"2", "1", ""}}, {"抛物线1", {"-2", "", ""}},
        {"抛物线2", {"1", "", ""}}};
    for (bool points : {false, true}) {
        SCOPED_TRACE(points ? "points" : "lines");
        Pages p;
        p.pointMethod(points);
        p.control<QCheckBox>("quchk")->setChecked(true);
        p.set("zdyjxs", QStringLiteral("X*X/4-3"));
        CoordinateWindow& plane = p.shell.coordinateWindow();
        PlaneTools& tools = *plane.findChild<PlaneTools*>();
        for (const auto& [kind, coefficients] : functions)
            p.plotFunction(kind, coefficients, kind == std::string("对数函数") ? "0.5" : "-10",
                           "10");
        tools.pointerPressed(2, -3, 4);  // a dot in the function colour
        p.shell.scripted.inputAnswers.push_back(QStringLiteral("文字"));
        tools.chooseTextTool();
        tools.pointerPressed(1, -8, 8);
        tools.chooseLineTool();
        tools.pointerPressed(1, -9, -9);
        tools.pointerPressed(1, 9, -2);
        for (const auto& [curve, coefficients] : curves) p.plotCurve(curve, coefficients);
        EXPECT_TRUE(p.shell.scripted.messages.isEmpty());
        EXPECT_EQ(plane.record().plotCount(), std::size(functions) + std::size(curves));

        const QImage live = p.image();
        plane.repaintFromRecord();
        EXPECT_TRUE(p.image() == live);
        p.shell.planes().clearPlane();
        EXPECT_TRUE(plane.record().entries().empty());
    }
}

// A plot yields while it draws. Meanwhile a second plot is refused, a clear of the plane
// leaves the plot going on, and closing the program stops it without touching a window.
TEST(PlotPage, CommandsDuringAPlot) {
    {
        Pages p;
        p.pointMethod(true);
        QTimer::singleShot(0, &p.shell.main, [&] {
            p.control<QPushButton>("Command2")->click();
            p.control<QPushButton>("Command8")->click();
            p.shell.planes().clearPlane();
        });
        p.plotFunction("二次函数", {"1", "0", "0"});
        expectIdleAfter(p, {});
        EXPECT_EQ(p.shell.sounds, 1);
        EXPECT_EQ(p.shell.lampStarts, 1);
        EXPECT_TRUE(p.graphAt(2, 4));  // drawn after the clear
    }
    {
        Pages p;
        p.pointMethod(true);
        QTimer::singleShot(0, &p.shell.main, [&] { p.shell.closingNow = true; });
        p.plotCurve("双曲线1", {"3", "4", ""});
        EXPECT_EQ(p.shell.statusHistory, QStringList{"作图中,请稍等..."});
        EXPECT_EQ(p.shell.sounds, 0);
        EXPECT_EQ(p.shell.lampStops, 0);
    }
}

}  // namespace
}  // namespace zeto::test
