#include "CalcFixture.h"

#include "plane/CoordinateWindow.h"
#include "platform/ColorSwatch.h"
#include "platform/DrawingSurface.h"
#include "platform/core/VbError.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"

#include <QRadioButton>

namespace zeto::test {
namespace {

using script::Value;

const QString kDrawError = QStringLiteral("画图出错，请检查参数是否设置正确");

// The callback object writing into the pages' controls and drawing on the plane.
class FormulaCallbacksTest : public CalcFixture {
  protected:
    static constexpr BgrColor kGraph = 0x8000FF;  // not a colour the plane uses itself

    FormulaCallbacksTest() : tucolor(new ColorSwatch(&shell.main)) {
        tucolor->setObjectName(QStringLiteral("tucolor"));
        tucolor->setColor(kGraph);
    }

    int errorOf(const char* method, std::vector<Value> args) {
        try {
            callbacks->call(method, args);
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

    ColorSwatch* tucolor;
};

TEST_F(FormulaCallbacksTest, ResultLinesStackNewestOnTopWithALeadingZero) {
    for (const Value& v : {Value::number(0.25), Value::number(-0.125), Value::number(1e-5),
                           Value::string(".5"), Value::string("-.75"), Value::string("abc")})
        callbacks->SS(v);
    EXPECT_EQ(results(), QStringLiteral("=abc\n=-0.75\n=0.5\n=1E-05\n=-0.125\n=0.25\n"));
}

// An unknown name in a formula evaluates to Empty: no result is written for it.
TEST_F(FormulaCallbacksTest, MethodNamesArgumentsAndValues) {
    control<QLabel>("SUM")->setText(QStringLiteral("1E+308"));
    const struct {
        const char* method;
        std::vector<Value> args;
        int error;
    } cases[] = {{"ss", {Value::number(1)}, 0},
                 {"SL", {Value::number(2)}, 0},
                 {"print", {Value::number(1)}, VbError::ObjectDoesNotSupport},
                 {"SS", {}, VbError::WrongArgumentCount},
                 {"fcf", {Value::number(1)}, VbError::WrongArgumentCount},
                 {"SS", {Value()}, VbError::VariableUndefined},
                 {"sl", {Value()}, VbError::VariableUndefined},
                 {"slsum", {Value()}, VbError::VariableUndefined},
                 {"slsum", {Value::string("x")}, VbError::TypeMismatch},
                 {"slsum", {Value::number(1e308)}, VbError::Overflow}};
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.method, c.args), c.error) << c.method;
    EXPECT_EQ(results(), QStringLiteral("=1\n"));
    EXPECT_EQ(items(), QStringList{"2"});
    EXPECT_EQ(sum(), QStringLiteral("1E+308"));
    // The running sum starts from the leading number of the label.
    control<QLabel>("SUM")->setText(QString());
    for (const Value& v : {Value::number(4), Value::string("8"), Value::number(0.5)})
        callbacks->slsum(v);
    EXPECT_EQ(sum(), QStringLiteral("12.5"));
}

TEST_F(FormulaCallbacksTest, PlotSegmentsPointsAndSkippedValues) {
    ASSERT_TRUE(shell.planeSettings().lineMethod);
    shell.state.ZBL = 2;
    ASSERT_FALSE(colourNear(2, 3, kGraph));
    callbacks->fcf(Value::number(3), Value::number(3.05));
    EXPECT_TRUE(colourNear(2, 3, kGraph));
    EXPECT_EQ(shell.yields, 1);

    // Beyond +-20 nothing is drawn and Z1 is not looked at; a segment whose end lies far
    // off is still drawn from its start.
    shell.state.ZBL = 1;
    callbacks->fcf(Value::number(20.5), Value::number(1));
    callbacks->fcf(Value::number(-21), Value::string("not a number"));
    EXPECT_FALSE(colourNear(1, 9.5, kGraph));
    callbacks->fcf(Value::number(9.5), Value::number(500));
    EXPECT_TRUE(colourNear(1, 9.5, kGraph));

    shell.settingsWindow().findChild<QRadioButton*>(QStringLiteral("Opmdf"))->setChecked(true);
    shell.state.ZBL = -4;
    callbacks->fcf(Value::number(1.5), Value::string("ignored"));
    EXPECT_TRUE(colourNear(-4, 1.5, kGraph));

    delete tucolor;  // without the swatch the graph is black
    shell.state.ZBL = 3.5;
    ASSERT_FALSE(colourNear(3.5, -2.5, 0, 1));
    callbacks->fcf(Value::number(-2.5), Value::number(0));
    EXPECT_TRUE(colourNear(3.5, -2.5, 0, 1));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(FormulaCallbacksTest, PlotErrorsAreReportedAndSwallowed) {
    const Value cases[][2] = {{Value::string("abc"), Value::number(1)},
                              {Value::number(1), Value::string("abc")},
                              {Value::number(1), Value::number(1e300)}};  // beyond single
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf("FCF", {c[0], c[1]}), 0);
        expectOnlyMessage(kDrawError);
    }
}

TEST_F(FormulaCallbacksTest, GeneratedSampleProceduresDrawThroughTheEngine) {
    ScriptRunner runner(shell);
    shell.state.ZBL = 1.5f;
    ASSERT_FALSE(colourNear(1.5, 1.125, kGraph));
    runner.run(script::ProcedureText::functionSample("X*X/2", 1.5f));
    EXPECT_TRUE(colourNear(1.5, 1.125, kGraph));
    EXPECT_TRUE(messages().isEmpty());
    // The callback reports what it cannot draw, and the run goes on normally ...
    EXPECT_NO_THROW(runner.run(script::ProcedureText::functionSample("\"x\"", 1.5f)));
    expectOnlyMessage(kDrawError);
    // ... while a formula that fails before the callback reaches the caller.
    EXPECT_THROW(runner.run(script::ProcedureText::functionSample("1/(X-X)", 1.5f)), VbError);
}

TEST(FormulaCallbacksWithoutControls, RaisesInsteadOfCrashing) {
    FakeShell shell;
    FormulaCallbacks callbacks(shell);
    EXPECT_THROW(callbacks.SS(Value::number(1)), VbError);
    EXPECT_THROW(callbacks.sl(Value::number(1)), VbError);
    EXPECT_THROW(callbacks.slsum(Value::number(1)), VbError);
}

}  // namespace
}  // namespace zeto::test
