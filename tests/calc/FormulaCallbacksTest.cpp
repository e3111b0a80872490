#include "CalcFixture.h"

#include "plane/CoordinateWindow.h"
#include "platform/DrawingSurface.h"
#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"
#include "shell/TaskFrame.h"

#include <QRadioButton>

namespace zeto::test {
namespace {

using script::Value;

const QString kDrawError = QStringLiteral("画图出错，请检查参数是否设置正确");

// The callback object writing into the controls a run hands over, and drawing on the plane.
class FormulaCallbacksTest : public CalcFixture {
  protected:
    static constexpr BgrColor kGraph = 0x8000FF;  // not a colour the plane uses itself

    FormulaTargets pageTargets() {
        FormulaTargets t;
        t.results = control<QPlainTextEdit>("txtrlt");
        t.preview = control<QListWidget>("SLEXP");
        t.sum = control<QLabel>("SUM");
        return t;
    }

    int errorOf(const char* method, std::vector<Value> args) {
        try {
            shell.callbacks().call(method, args);
        } catch (const VbError& e) {
            return e.code();
        }
        return 0;
    }

    // True when a pixel of `color` lies within `reach` pixels of the plane point (x, y).
    bool colourNear(double x, double y, BgrColor color, int reach = 3) {
        const QImage& image = shell.coordinateWindow().surface().image();
        const QPoint c = shell.coordinateWindow().surface().toPixel(x, y).toPoint();
        for (int py = c.y() - reach; py <= c.y() + reach; ++py)
            for (int px = c.x() - reach; px <= c.x() + reach; ++px)
                if (image.valid(px, py) && image.pixel(px, py) == colorFromBgr(color).rgb())
                    return true;
        return false;
    }
};

TEST_F(FormulaCallbacksTest, ResultLinesStackNewestOnTopWithALeadingZero) {
    const FormulaCallbacks::Binding bound(shell.callbacks(), pageTargets());
    for (const Value& v : {Value::number(0.25), Value::number(-0.125), Value::number(1e-5),
                           Value::string(".5"), Value::string("-.75"), Value::string("abc")})
        shell.callbacks().SS(v);
    EXPECT_EQ(results(), QStringLiteral("=abc\n=-0.75\n=0.5\n=1E-05\n=-0.125\n=0.25\n"));
}

// An unknown name in a formula evaluates to Empty: no result is written for it. A method
// whose control the run did not hand over raises "Object required".
TEST_F(FormulaCallbacksTest, MethodNamesArgumentsAndValues) {
    control<QLabel>("SUM")->setText(QStringLiteral("1E+308"));
    const struct {
        const char* method;
        std::vector<Value> args;
        int error;
        bool bound;
    } cases[] = {{"ss", {Value::number(1)}, 0, true},
                 {"SL", {Value::number(2)}, 0, true},
                 {"print", {Value::number(1)}, VbError::ObjectDoesNotSupport, true},
                 {"SS", {}, VbError::WrongArgumentCount, true},
                 {"fcf", {Value::number(1)}, VbError::WrongArgumentCount, true},
                 {"SS", {Value()}, VbError::VariableUndefined, true},
                 {"sl", {Value()}, VbError::VariableUndefined, true},
                 {"slsum", {Value()}, VbError::VariableUndefined, true},
                 {"slsum", {Value::string("x")}, VbError::TypeMismatch, true},
                 {"slsum", {Value::number(1e308)}, VbError::Overflow, true},
                 {"fcf", {Value::number(1), Value::number(1)}, VbError::ObjectRequired, true},
                 {"SS", {Value::number(3)}, VbError::ObjectRequired, false},
                 {"sl", {Value::number(3)}, VbError::ObjectRequired, false},
                 {"slsum", {Value::number(3)}, VbError::ObjectRequired, false}};
    for (const auto& c : cases) {
        std::optional<FormulaCallbacks::Binding> bound;
        if (c.bound) bound.emplace(shell.callbacks(), pageTargets());
        EXPECT_EQ(errorOf(c.method, c.args), c.error) << c.method;
    }
    EXPECT_EQ(results(), QStringLiteral("=1\n"));
    EXPECT_EQ(items(), QStringList{"2"});
    EXPECT_EQ(sum(), QStringLiteral("1E+308"));
    // The running sum starts from the leading number of the label.
    control<QLabel>("SUM")->setText(QString());
    const FormulaCallbacks::Binding bound(shell.callbacks(), pageTargets());
    for (const Value& v : {Value::number(4), Value::string("8"), Value::number(0.5)})
        shell.callbacks().slsum(v);
    EXPECT_EQ(sum(), QStringLiteral("12.5"));
}

// A graph's samples: drawn by either method, and skipped beyond +-20.
TEST_F(FormulaCallbacksTest, PlotSamples) {
    BusyScope task(shell, this, QStringLiteral("作图中,请稍等..."));
    FunctionPlotTarget plot{shell.canvas(), [] { return kGraph; }, task};
    FormulaTargets targets;
    targets.plot = &plot;
    const FormulaCallbacks::Binding bound(shell.callbacks(), targets);
    auto* pointMethod = shell.settingsWindow().findChild<QRadioButton*>("Opmdf");
    auto* lineMethod = shell.settingsWindow().findChild<QRadioButton*>("Oplxf");
    const struct {
        double x;
        Value Z, Z1;
        bool points;
        QPointF probe;  // a point of what would be drawn
        bool drawn;
    } cases[] = {
        {2, Value::number(3), Value::number(3.05), false, {2, 3}, true},
        // Beyond +-20 nothing is drawn, not even towards a Z1 on the plane.
        {1, Value::number(20.5), Value::number(1), false, {1.01, 1}, false},
        {1, Value::number(-21), Value::string("not a number"), false, {1, -9.9}, false},
        // A segment whose end lies far off is still drawn from its start.
        {1, Value::number(9.5), Value::number(500), false, {1, 9.5}, true},
        {-4, Value::number(1.5), Value::string("ignored"), true, {-4, 1.5}, true},
    };
    for (const auto& c : cases) {
        (c.points ? pointMethod : lineMethod)->setChecked(true);
        shell.state.ZBL = c.x;
        shell.callbacks().fcf(c.Z, c.Z1);
        EXPECT_EQ(colourNear(c.probe.x(), c.probe.y(), kGraph), c.drawn) << c.x;
    }
    EXPECT_TRUE(messages().isEmpty());
}

// The first sample that cannot be drawn is reported once and ends the plot: later samples
// draw nothing and report nothing.
TEST_F(FormulaCallbacksTest, SamplesThatCannotBeDrawn) {
    const Value cases[][2] = {{Value::string("abc"), Value::number(1)},
                              {Value::number(1), Value::string("abc")},
                              {Value::number(1), Value::number(1e300)}};  // beyond single
    for (const auto& c : cases) {
        BusyScope task(shell, this, QStringLiteral("作图中,请稍等..."));
        FunctionPlotTarget plot{shell.canvas(), [] { return kGraph; }, task};
        FormulaTargets targets;
        targets.plot = &plot;
        const FormulaCallbacks::Binding bound(shell.callbacks(), targets);
        shell.state.ZBL = 3;
        EXPECT_EQ(errorOf("FCF", {c[0], c[1]}), 0);
        EXPECT_TRUE(plot.failed);
        expectOnlyMessage(kDrawError);
        shell.callbacks().fcf(Value::number(-2.5), Value::number(0));
        EXPECT_FALSE(colourNear(3, -2.5, kGraph));
        EXPECT_TRUE(messages().isEmpty());
    }
}

}  // namespace
}  // namespace zeto::test
