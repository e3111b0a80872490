#include "FakeShell.h"

#include "plane/Form3.h"
#include "plane/Form4.h"
#include "platform/ColorSwatch.h"
#include "platform/DrawingSurface.h"
#include "platform/core/VbError.h"
#include "script/Class1.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"
#include "script/core/ScriptHost.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <optional>

namespace zeto {
namespace {

using script::Value;

const QString kDrawError = QStringLiteral("画图出错，请检查参数是否设置正确");

// The callback object with the controls it writes into and the plane it draws on.
class Class1Test : public ::testing::Test {
  protected:
    static constexpr BgrColor kGraph = 0x8000FF;  // not a colour the plane uses itself

    Class1Test() {
        txtrlt = addControl<QPlainTextEdit>("txtrlt");
        SLEXP = addControl<QListWidget>("SLEXP");
        SUM = addControl<QLabel>("SUM");
        tucolor = addControl<ColorSwatch>("tucolor");
        tucolor->setColor(kGraph);
    }

    template <typename T>
    T* addControl(const char* name) {
        auto* control = new T(&shell.main);
        control->setObjectName(QLatin1String(name));
        return control;
    }

    int errorOf(const char* method, std::vector<Value> args) {
        try {
            callbacks.call(method, args);
        } catch (const VbError& e) {
            return e.code();
        }
        return 0;
    }

    // True when a pixel of `color` lies within `radius` pixels of the plane point (x, y).
    bool colourNear(double x, double y, BgrColor color, int radius = 3) {
        DrawingSurface& surface = shell.form3().surface();
        const QPoint centre = surface.toPixel(x, y).toPoint();
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) {
                const QPoint p = centre + QPoint(dx, dy);
                if (surface.image().rect().contains(p) &&
                    (surface.image().pixel(p) & 0xFFFFFF) == (colorFromBgr(color).rgb() & 0xFFFFFF))
                    return true;
            }
        return false;
    }

    // Declared before the shell: the shell's engine may hold the callback object.
    std::optional<Class1> holder;
    test::FakeShell shell;
    Class1& callbacks = holder.emplace(shell);
    QPlainTextEdit* txtrlt;
    QListWidget* SLEXP;
    QLabel* SUM;
    ColorSwatch* tucolor;
};

TEST_F(Class1Test, ResultLinesStackNewestOnTopWithALeadingZero) {
    const Value values[] = {Value::number(0.25), Value::number(-0.125), Value::number(1e-5),
                            Value::string(".5"), Value::string("-.75"), Value::string("abc")};
    for (const Value& v : values) callbacks.SS(v);
    EXPECT_EQ(txtrlt->toPlainText(),
              QStringLiteral("=abc\n=-0.75\n=0.5\n=1E-05\n=-0.125\n=0.25\n"));
}

TEST_F(Class1Test, MethodNamesArgumentsAndValues) {
    SUM->setText(QStringLiteral("1E+308"));
    const struct {
        const char* method;
        std::vector<Value> args;
        int error;
    } cases[] = {
        {"ss", {Value::number(1)}, 0},
        {"SL", {Value::number(2)}, 0},
        {"print", {Value::number(1)}, VbError::ObjectDoesNotSupport},
        {"SS", {}, VbError::WrongArgumentCount},
        {"fcf", {Value::number(1)}, VbError::WrongArgumentCount},
        // An unknown name evaluates to Empty: no result is written for it.
        {"SS", {Value()}, VbError::VariableUndefined},
        {"sl", {Value()}, VbError::VariableUndefined},
        {"slsum", {Value()}, VbError::VariableUndefined},
        {"slsum", {Value::string("x")}, VbError::TypeMismatch},
        {"slsum", {Value::number(1e308)}, VbError::Overflow},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.method, c.args), c.error) << c.method;
    EXPECT_EQ(txtrlt->toPlainText(), QStringLiteral("=1\n"));
    EXPECT_EQ(SLEXP->count(), 1);
    EXPECT_EQ(SUM->text(), QStringLiteral("1E+308"));
}

TEST_F(Class1Test, SumAddsToTheLeadingNumberOfTheLabel) {
    SUM->setText(QString());
    for (const Value& v : {Value::number(4), Value::string("8"), Value::number(0.5)})
        callbacks.slsum(v);
    EXPECT_EQ(SUM->text(), QStringLiteral("12.5"));
}

TEST_F(Class1Test, PlotSegmentsPointsAndSkippedValues) {
    ASSERT_TRUE(shell.form4().lineMethod());
    shell.state.ZBL = 2;
    ASSERT_FALSE(colourNear(2, 3, kGraph));
    callbacks.fcf(Value::number(3), Value::number(3.05));
    EXPECT_TRUE(colourNear(2, 3, kGraph));
    EXPECT_EQ(shell.yields, 1);

    // Beyond +-20 nothing is drawn and Z1 is not looked at; a segment whose end lies far
    // off is still drawn from its start.
    shell.state.ZBL = 1;
    callbacks.fcf(Value::number(20.5), Value::number(1));
    callbacks.fcf(Value::number(-21), Value::string("not a number"));
    EXPECT_FALSE(colourNear(1, 9.5, kGraph));
    callbacks.fcf(Value::number(9.5), Value::number(500));
    EXPECT_TRUE(colourNear(1, 9.5, kGraph));

    auto* point = shell.form4().findChild<QRadioButton*>(QStringLiteral("Opmdf"));
    ASSERT_NE(point, nullptr);
    point->setChecked(true);
    shell.state.ZBL = -4;
    callbacks.fcf(Value::number(1.5), Value::string("ignored"));
    EXPECT_TRUE(colourNear(-4, 1.5, kGraph));

    delete tucolor;  // without the swatch the graph is black
    shell.state.ZBL = 3.5;
    ASSERT_FALSE(colourNear(3.5, -2.5, 0, 1));
    callbacks.fcf(Value::number(-2.5), Value::number(0));
    EXPECT_TRUE(colourNear(3.5, -2.5, 0, 1));
    EXPECT_TRUE(shell.scripted.messages.isEmpty());
}

TEST_F(Class1Test, PlotErrorsAreReportedAndSwallowed) {
    const struct {
        Value Z, Z1;
    } cases[] = {
        {Value::string("abc"), Value::number(1)},
        {Value::number(1), Value::string("abc")},
        {Value::number(1), Value::number(1e300)},  // beyond single precision
    };
    for (const auto& c : cases) {
        shell.scripted.clear();
        EXPECT_NO_THROW(callbacks.call("FCF", {c.Z, c.Z1}));
        ASSERT_EQ(shell.scripted.messages.size(), 1);
        EXPECT_EQ(shell.scripted.messages[0].text, kDrawError);
        EXPECT_EQ(shell.scripted.messages[0].icon, Dialogs::Icon::Exclamation);
    }
}

TEST_F(Class1Test, GeneratedSampleProceduresDrawThroughTheEngine) {
    shell.scriptHost().AddObject("OBJsc", &callbacks);
    ScriptRunner runner(shell);
    const float x = 1.5f;
    shell.state.ZBL = x;
    ASSERT_FALSE(colourNear(1.5, 1.125, kGraph));
    runner.run(script::ProcedureText::functionSample("X*X/2", x));
    EXPECT_TRUE(colourNear(1.5, 1.125, kGraph));
    EXPECT_TRUE(shell.scripted.messages.isEmpty());

    // The callback reports what it cannot draw, and the run goes on normally ...
    EXPECT_NO_THROW(runner.run(script::ProcedureText::functionSample("\"x\"", x)));
    EXPECT_EQ(shell.scripted.messageTexts(), QStringList{kDrawError});
    // ... while a formula that fails before the callback reaches the caller.
    EXPECT_THROW(runner.run(script::ProcedureText::functionSample("1/(X-X)", x)), VbError);
}

TEST(Class1WithoutControls, RaisesInsteadOfCrashing) {
    test::FakeShell shell;
    Class1 callbacks(shell);
    EXPECT_THROW(callbacks.SS(Value::number(1)), VbError);
    EXPECT_THROW(callbacks.sl(Value::number(1)), VbError);
    EXPECT_THROW(callbacks.slsum(Value::number(1)), VbError);
}

}  // namespace
}  // namespace zeto
