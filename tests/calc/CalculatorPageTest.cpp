#include "CalcFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace zeto::test {
namespace {

class CalculatorPageTest : public CalcFixture {
  protected:
    void evaluate(const QString& expression) {
        field("txtshi")->setText(expression);
        click("Command12");
    }
    QString topLine() { return results().section(QLatin1Char('\n'), 0, 0); }
};

TEST_F(CalculatorPageTest, DefaultExpression) {
    click("Command12");
    ASSERT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
    // log10(3.2) + cos(3) - 2*sqrt(2) = 0.5051499783 - 0.9899924966 - 2.8284271247
    EXPECT_NEAR(topLine().mid(1).toDouble(), -3.3132696430, 1e-9);
    EXPECT_EQ(shell.statusHistory, QStringList({"计算中,请稍等...", "就绪"}));
    EXPECT_EQ(shell.sounds, 1);
}

TEST_F(CalculatorPageTest, HistoryNewestOnTopCopyAndClear) {
    evaluate(QStringLiteral("1/4"));
    QTest::keyClick(field("txtshi"), Qt::Key_Return);  // Enter evaluates too
    evaluate(QStringLiteral("2*3"));
    EXPECT_EQ(results(), QStringLiteral("=6\n=0.25\n=0.25\n"));
    click("Command14");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), results());
    click("Command13");
    EXPECT_TRUE(results().isEmpty());
    click("Command14");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
    EXPECT_EQ(shell.sounds, 3);
}

TEST_F(CalculatorPageTest, TextFormsOfResults) {
    const QString longSum = QStringLiteral("1") + QStringLiteral("+1").repeated(2999);
    const struct {
        QString expression;
        const char* line;
    } cases[] = {{"-1/8", "=-0.125"},
                 {"2^99", "=6.33825300114115E+29"},
                 {"1/100000", "=1E-05"},
                 {"1/3", "=0.333333333333333"},
                 {"1:Z=2", "=2"},  // a second statement runs as typed
                 {longSum, "=3000"},
                 // A value the expression builds as text keeps its leading zero too.
                 {"\".5\"", "=0.5"},
                 {"\"-.75\"", "=-0.75"},
                 // As an exercise book writes it.
                 {"１+１", "=2"},
                 {"2π", "=6.28318530717959"},
                 {"√16×3", "=12"}};
    for (const auto& c : cases) {
        evaluate(c.expression);
        EXPECT_EQ(topLine(), QLatin1String(c.line)) << c.expression.left(20).toStdString();
    }
    EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
}

TEST_F(CalculatorPageTest, BadOrMissingExpressionsReportAndChangeNothing) {
    const QString cases[] = {"",
                             "   ",
                             "1/0",
                             "sqr(-1)",
                             "log(0)",
                             "exp(1000)",
                             "1+",
                             "((1)",
                             "nosuch",
                             "f(2)",
                             "2**3",
                             "1:End Sub",
                             "eq()",
                             "三加二",
                             QString(10240, QLatin1Char('+')),
                             QString(10240, QLatin1Char('('))};
    evaluate(QStringLiteral("1+1"));
    for (const QString& expression : cases) {
        SCOPED_TRACE(expression.left(20).toStdString());
        shell.statusHistory.clear();
        evaluate(expression);
        if (expression.isEmpty()) {
            expectOnlyMessage(QStringLiteral("请填入表达式"), Dialogs::Icon::Information);
            EXPECT_TRUE(shell.statusHistory.isEmpty());
        } else {
            expectOnlyMessage(QStringLiteral("计算出错，请严格按照计算机数学符号规范书写!"));
            EXPECT_EQ(shell.status, QStringLiteral("就绪"));
        }
        EXPECT_EQ(results(), QStringLiteral("=2\n"));
    }
    EXPECT_EQ(shell.sounds, 1);
    evaluate(QStringLiteral("7"));  // still usable
    EXPECT_EQ(topLine(), QStringLiteral("=7"));
}

}  // namespace
}  // namespace zeto::test

namespace zeto::test {
namespace {

// A formula the engine stops in has the part where it stopped selected in its field.
TEST_F(CalculatorPageTest, TheFailedPartOfAFormulaIsSelected) {
    const struct {
        const char* field;
        const char* button;
        const char* text;
        const char* selected;
    } cases[] = {{"txtshi", "Command12", "1+2)*3", ")"},
                 {"txtshi", "Command12", "7/(1-1)", "/"},
                 {"Zdytxgs", "Command15", "N+)", ")"},
                 {"Zdytxgs", "Command16", "1/(N-1)", "/"}};
    sequences->selectKind(QStringLiteral("自定义数列"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        field(c.field)->setText(QString::fromUtf8(c.text));
        click(c.button);
        EXPECT_EQ(messages().size(), 1);
        shell.scripted.clear();
        EXPECT_EQ(field(c.field)->selectedText(), QString::fromUtf8(c.selected));
    }
}

}  // namespace
}  // namespace zeto::test
