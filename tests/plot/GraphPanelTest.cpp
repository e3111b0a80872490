// The panel of graphs beside the plane, driven through the real pages: the list, the facts of
// the selected graph, its marks and the trace, and the sliders that move its coefficients.

#include "FakeShell.h"
#include "PlaneProbe.h"

#include "curves/CurvePage.h"
#include "functions/FunctionPage.h"
#include "plane/CoordinateWindow.h"
#include "plane/GraphPanel.h"
#include "plane/PlaneTools.h"
#include "plane/SliderBox.h"
#include "platform/DrawingSurface.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zeto::test {
namespace {

constexpr BgrColor kGraph = 0x2080E0;

// A graph to draw: a kind of either page with its coefficients (the formula in the first).
struct Graph {
    const char* kind;
    std::array<QString, 3> coefficients;
    const char* domain[2] = {"-5", "5"};
};

bool isCurve(const char* kind) {
    return QStringList{"直线", "圆", "椭圆", "双曲线1", "双曲线2", "抛物线1", "抛物线2"}.contains(
        QString::fromUtf8(kind));
}

struct Plane {
    Plane() {
        for (const char* swatch : {"tucolor", "qucolor"}) {
            shell.scripted.colorAnswers.push_back(colorFromBgr(kGraph));
            emit shell.control<ColorSwatch>(swatch)->clicked();
        }
    }
    void draw(const Graph& g) {
        if (isCurve(g.kind)) {
            curves->selectKind(QString::fromUtf8(g.kind));
            for (int k = 0; k < 3; ++k)
                shell.control<QLineEdit>(("QXS" + std::to_string(k + 1)).c_str())
                    ->setText(g.coefficients[k]);
            shell.control<QPushButton>("Command8")->click();
            return;
        }
        functions->selectKind(QString::fromUtf8(g.kind));
        shell.control<QLineEdit>("zy1")->setText(g.domain[0]);
        shell.control<QLineEdit>("zy2")->setText(g.domain[1]);
        if (QString::fromUtf8(g.kind) == QStringLiteral("自定义函数")) {
            shell.control<QLineEdit>("zdyjxs")->setText(g.coefficients[0]);
        } else {
            for (int k = 0; k < 3; ++k)
                shell.control<QLineEdit>(("XS" + std::to_string(k + 1)).c_str())
                    ->setText(g.coefficients[k]);
        }
        shell.control<QPushButton>("Command2")->click();
    }
    template <typename T>
    T* panel(const char* name) {
        T* w = window().findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void showPanel() {
        if (!window().panelShown()) panel<QToolButton>("Cmdlist")->click();
    }
    void select(int row) {
        showPanel();
        panel<QListWidget>("lstgraphs")->setCurrentRow(row);
    }
    QString facts() { return panel<QPlainTextEdit>("txtfacts")->toPlainText(); }
    CoordinateWindow& window() { return shell.coordinateWindow(); }
    const QImage& image() { return window().surface().image(); }
    PlaneGrid grid() { return {image().width(), image().height(), shell.settings().axisLength}; }
    bool graphAt(double x, double y) {
        return colorNear(image(), grid().col(x), grid().row(y), kGraph, 1);
    }
    // Moves slider k's value field to `value`, as typing it and Enter does.
    void moveSlider(int k, double value) {
        auto* field = panel<QDoubleSpinBox>(("sldv" + std::to_string(k)).c_str());
        field->setValue(value);
    }

    FakeShell shell;
    FunctionPage* functions = new FunctionPage(shell.context(), 24, &shell.main);
    CurvePage* curves = new CurvePage(shell.context(), 24, &shell.main);
};

// What the facts of each selected graph include, as the page drew it; the values were worked
// out by hand.
TEST(GraphPanel, FactsOfTheSelectedGraph) {
    const struct {
        std::vector<Graph> graphs;
        int selected;
        QStringList lines;
    } cases[] = {
        {{{"二次函数", {"1", "-2", "-3"}}},
         0,
         {"零点：(-1, 0)、(3, 0)", "顶点：(1, -4)", "对称轴：x = 1", "与y轴交点：(0, -3)"}},
        {{{"二次函数", {"1", "-1", "-1"}}},
         0,
         {"零点：((1-√5)/2, 0)、((1+√5)/2, 0)", "顶点：(1/2, -5/4)"}},
        {{{"二次函数", {"1", "-2", "1"}}}, 0, {"零点：(1, 0)"}},
        {{{"二次函数", {"1", "0", "1"}}}, 0, {"无零点"}},
        {{{"一次函数", {"2", "1", ""}}}, 0, {"零点：(-1/2, 0)", "与y轴交点：(0, 1)"}},
        {{{"椭圆", {"5", "3", ""}}},
         0,
         {"焦点：(-4, 0)、(4, 0)", "离心率：4/5", "准线：x = -25/4、x = 25/4",
          "顶点：(-5, 0)、(5, 0)、(0, -3)、(0, 3)", "通径：18/5"}},
        {{{"双曲线1", {"2", "1", ""}}},
         0,
         {"焦点：(-√5, 0)、(√5, 0)", "离心率：√5/2", "渐近线：y = (1/2)x、y = -(1/2)x"}},
        {{{"抛物线1", {"2", "", ""}}}, 0, {"焦点：(1, 0)", "准线：x = -1", "通径：4"}},
        {{{"圆", {"1", "-2", "3"}}}, 0, {"圆心：(-1, 2)", "半径：3"}},
        {{{"一次函数", {"1", "1", ""}}, {"圆", {"0", "0", "5"}}}, 0, {"：(-4, -3)、(3, 4)"}},
        {{{"一次函数", {"1", "1", ""}}, {"圆", {"0", "0", "5"}}}, 1, {"：(-4, -3)、(3, 4)"}},
        {{{"抛物线1", {"2", "", ""}}, {"直线", {"1", "-1", "-1"}}},
         0,
         {"交点（x − y − 1 = 0）：(3-2√2, 2-2√2)、(3+2√2, 2+2√2)"}},
        {{{"自定义函数", {"X^3-3*X"}, {"-3", "3"}}},
         0,
         {"(≈-1.73205080756888, 0)", "(0, 0)", "(≈1.73205080756888, 0)", "极大值点：(≈-1, ≈2)",
          "极小值点：(≈1, ≈-2)"}},
        // Only the zero inside the domain drawn.
        {{{"自定义函数", {"X^2-4"}, {"0", "5"}}}, 0, {"零点：(2, 0)"}},
    };
    for (const auto& c : cases) {
        Plane p;
        for (const Graph& g : c.graphs) p.draw(g);
        p.select(c.selected);
        SCOPED_TRACE(p.facts().toStdString());
        for (const QString& line : c.lines)
            EXPECT_TRUE(p.facts().contains(line)) << line.toStdString();
    }
}

// Show, hide, delete and clear: the list follows the record, the plane is painted again
// without a hidden or deleted graph, and nothing else on it changes.
TEST(GraphPanel, ListShowsHidesAndDeletesGraphs) {
    Plane p;
    p.draw({"二次函数", {"1", "0", "0"}});
    p.draw({"直线", {"1", "-1", "0"}});
    const QSize plane = p.window().surface().size();
    const int width = p.window().width();
    p.showPanel();
    EXPECT_EQ(p.window().surface().size(), plane);
    EXPECT_EQ(p.window().surface().pos(), QPoint(0, 0));
    EXPECT_GT(p.window().width(), width);
    auto* list = p.panel<QListWidget>("lstgraphs");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("y = x²"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("x − y = 0"));

    PlaneTools& tools = *p.window().findChild<PlaneTools*>();
    auto* readout = p.panel<QLabel>("location");
    list->setCurrentRow(1);
    EXPECT_TRUE(p.facts().contains(QStringLiteral("交点（y = x²）")));
    tools.pointerMoved(0, 2, 4.0625);
    EXPECT_EQ(readout->text(), QStringLiteral("(2,4)"));
    list->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(p.graphAt(-2, 4));
    EXPECT_TRUE(p.graphAt(-4, -4));
    // A hidden graph is neither traced nor met.
    tools.pointerMoved(0, 2, 4.0625);
    EXPECT_EQ(readout->text(), QStringLiteral("(2,4.06)"));
    EXPECT_FALSE(p.facts().contains(QStringLiteral("y = x²")));
    list->item(0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(p.graphAt(-2, 4));

    // A mark drawn meanwhile leaves the selection where it was.
    tools.pointerPressed(2, 1, 1);
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(list->count(), 1);
    EXPECT_FALSE(p.graphAt(-4, -4));
    EXPECT_TRUE(p.graphAt(-2, 4));

    p.shell.planes().clearPlane();
    EXPECT_EQ(list->count(), 0);
}

// Marks stand over the plane, never in its picture; a click near one reads its exact form.
// Near a function's graph the read-out follows the graph.
TEST(GraphPanel, MarksAndTrace) {
    Plane p;
    p.draw({"二次函数", {"1", "-1", "-1"}});
    p.select(0);
    const QImage before = p.image();
    p.panel<QCheckBox>("chkpoints")->setChecked(true);
    EXPECT_EQ(p.image(), before);
    EXPECT_FALSE(p.window().overlay().empty());
    PlaneTools& tools = *p.window().findChild<PlaneTools*>();
    auto* readout = p.panel<QLabel>("location");
    const double golden = (1 + std::sqrt(5.0)) / 2;
    tools.pointerPressed(1, golden + 0.05, 0.05);
    EXPECT_EQ(readout->text(), QStringLiteral("((1+√5)/2, 0)"));
    // At x = 2 the graph is at y = 1: a pointer a little off it reads the graph's point, one
    // farther off its own.
    tools.pointerMoved(0, 2, 1.1);
    EXPECT_EQ(readout->text(), QStringLiteral("(2,1)"));
    tools.pointerMoved(0, 2, 3);
    EXPECT_EQ(readout->text(), QStringLiteral("(2,3)"));
    p.panel<QCheckBox>("chkpoints")->setChecked(false);
    EXPECT_TRUE(p.window().overlay().empty());
}

// Moving a slider draws the selected graph again with the new value, in place: the facts and
// the list follow; a value with no graph draws nothing.
TEST(GraphPanel, SlidersMoveACoefficient) {
    const struct {
        Graph graph;
        std::vector<std::pair<int, double>> moves;
        std::vector<QPointF> on;
        std::vector<QPointF> off;
        QString fact;
        bool byPoints = false;
    } cases[] = {
        {{"二次函数", {"1", "0", "0"}}, {{1, 2}}, {{1, 2}, {-1, 2}}, {{1, 1}}, "顶点：(0, 0)"},
        {{"二次函数", {"1", "0", "0"}}, {{3, -4}}, {{0, -4}}, {{0, 0}}, "零点：(-2, 0)、(2, 0)"},
        {{"正弦函数", {"1", "1", "0"}}, {{3, 1.5}}, {{-1.5, 0}}, {{0, 0}}, ""},
        {{"椭圆", {"5", "3", ""}}, {{2, 4}}, {{0, 4}}, {{0, 3}}, "焦点：(-3, 0)、(3, 0)"},
        {{"椭圆", {"5", "3", ""}}, {{2, 4}}, {}, {}, "离心率：3/5"},
        {{"圆", {"0", "0", "5"}}, {{3, -1}}, {}, {{5, 0}, {0, 5}}, "此参数下无图像"},
        {{"圆", {"0", "0", "5"}}, {{3, -1}, {3, 2}}, {{2, 0}}, {{5, 0}}, "半径：2"},
        {{"自定义函数", {"A*X^2+B"}}, {{2, 1}, {1, -1}}, {{0, 1}, {1, 0}}, {{2, 1}}, ""},
        {{"自定义函数", {"A*X^2+B*X+C"}}, {{3, 2}}, {{0, 2}}, {{0, 0}}, ""},
        // Drawn again by points, at the plot's own step.
        {{"二次函数", {"1", "0", "0"}}, {{1, 2}}, {{1, 2}, {-1, 2}}, {{1, 1}}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.graph.kind);
        Plane p;
        if (c.byPoints) p.shell.control<QRadioButton>("Opmdf")->click();
        p.draw({"直线", {"0", "1", "-7"}});  // y = 7, which no move touches
        p.draw(c.graph);
        p.select(1);
        const QImage before = p.image();
        for (const auto& [k, value] : c.moves) p.moveSlider(k, value);
        for (const QPointF& q : c.on) EXPECT_TRUE(p.graphAt(q.x(), q.y())) << q.x() << "," << q.y();
        for (const QPointF& q : c.off)
            EXPECT_FALSE(p.graphAt(q.x(), q.y())) << q.x() << "," << q.y();
        EXPECT_TRUE(p.facts().contains(c.fact)) << p.facts().toStdString();
        // The other graph's row of pixels is as it was.
        const int row = p.grid().row(7);
        for (int x = 0; x < p.image().width(); ++x)
            ASSERT_EQ(p.image().pixel(x, row), before.pixel(x, row)) << x;
        // The page's own fields are the next plot's, untouched.
        EXPECT_EQ(p.shell.scripted.messages.size(), 0);
    }
    // A value typed beyond the range widens that end of it.
    Plane p;
    p.draw({"二次函数", {"1", "0", "0"}});
    p.select(0);
    p.moveSlider(1, 20);
    EXPECT_EQ(p.panel<QDoubleSpinBox>("sldmin1")->value(), -4);
    EXPECT_EQ(p.panel<QDoubleSpinBox>("sldmax1")->value(), 20);
}

// Play sweeps the first slider until pressed again, or until the window closes or the plane
// is cleared.
TEST(GraphPanel, PlayStopsOnCloseAndOnClear) {
    for (bool close : {true, false}) {
        Plane p;
        p.draw({"二次函数", {"1", "0", "0"}});
        p.select(0);
        p.window().show();
        auto* play = p.panel<QPushButton>("Cmdplay");
        play->click();
        EXPECT_EQ(play->text(), QStringLiteral("停止"));
        auto* slider = p.panel<QSlider>("sld1");
        const int start = slider->value();
        QTest::qWait(100);
        EXPECT_NE(slider->value(), start);
        if (close)
            p.window().close();
        else
            p.shell.planes().clearPlane();
        EXPECT_EQ(play->text(), QStringLiteral("播放"));
        EXPECT_FALSE(p.window().graphPanel().sliders().playing());
    }
}

}  // namespace
}  // namespace zeto::test
