#include "script/core/ProcedureText.h"

#include <gtest/gtest.h>

#include <QString>

namespace zeto::test {
namespace {

using script::ProcedureText;

TEST(ProcedureText, Calculator) {
    EXPECT_EQ(ProcedureText::calculator("log(3.2)/log(10)+cos(3)-2*sqr(2)"),
              "Sub eq()\r\nZ=log(3.2)/log(10)+cos(3)-2*sqr(2)\r\ncall OBJsc.SS(Z)\r\nEnd Sub");
    // The expression goes in exactly as typed, blanks and all.
    EXPECT_EQ(ProcedureText::calculator("  "), "Sub eq()\r\nZ=  \r\ncall OBJsc.SS(Z)\r\nEnd Sub");
}

TEST(ProcedureText, SequenceTexts) {
    EXPECT_EQ(ProcedureText::sequenceTerm("N^2+N+2", 3),
              "Sub fc()\r\nZ=(3)^2+(3)+2\r\ncall OBJsc.sl(Z)\r\nEnd Sub");
    EXPECT_EQ(ProcedureText::sequenceSum("N^2+N+2", 20),
              "Sub fc()\r\nZ=(20)^2+(20)+2\r\ncall OBJsc.slsum(Z)\r\nEnd Sub");
    // Letters inside names are replaced too.
    EXPECT_EQ(ProcedureText::sequenceTerm("sin(N)", 1),
              "Sub fc()\r\nZ=si(1)((1))\r\ncall OBJsc.sl(Z)\r\nEnd Sub");
    EXPECT_EQ(ProcedureText::sequenceTerm("2*n", 100),
              "Sub fc()\r\nZ=2*(100)\r\ncall OBJsc.sl(Z)\r\nEnd Sub");
}

TEST(ProcedureText, FunctionSample) {
    EXPECT_EQ(
        ProcedureText::functionSample("X+1/X", -5.0f),
        "Sub fc()\r\nZ=(-5)+1/(-5)\r\nZ1=(-4.99)+1/(-4.99)\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd Sub");
    EXPECT_EQ(ProcedureText::functionSample("exp(x)", 0.5f),
              "Sub fc()\r\nZ=e(0.5)p((0.5))\r\nZ1=e(0.51)p((0.51))\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd "
              "Sub");
    // The second sample of the plot: -5 plus the single-precision step. Its float value is
    // -4.99476385116577148..., shown with 7 digits for Z and 15 for x + 0.01 in Z1.
    float step = static_cast<float>(3.1415926535 / 600);
    float x = -5.0f + step;
    EXPECT_EQ(ProcedureText::functionSample("X", x),
              "Sub fc()\r\nZ=(-4.994764)\r\nZ1=(-4.98476385116577)\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd "
              "Sub");
}

TEST(ProcedureText, OtherCharactersStay) {
    EXPECT_EQ(ProcedureText::substitute("ｘ+x·X", 'x', "2"), "ｘ+(2)·(2)");
    EXPECT_EQ(ProcedureText::substitute("", 'n', "1"), "");
}

TEST(ProcedureText, QStringFormsMatch) {
    EXPECT_EQ(ProcedureText::calculator(QStringLiteral("1/4")),
              QString::fromStdString(ProcedureText::calculator("1/4")));
    EXPECT_EQ(ProcedureText::sequenceTerm(QStringLiteral("N"), 2),
              QStringLiteral("Sub fc()\r\nZ=(2)\r\ncall OBJsc.sl(Z)\r\nEnd Sub"));
    EXPECT_EQ(ProcedureText::sequenceSum(QStringLiteral("N"), 2),
              QStringLiteral("Sub fc()\r\nZ=(2)\r\ncall OBJsc.slsum(Z)\r\nEnd Sub"));
    EXPECT_EQ(
        ProcedureText::functionSample(QStringLiteral("数X"), 1.0f),
        QStringLiteral("Sub fc()\r\nZ=数(1)\r\nZ1=数(1.01)\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd Sub"));
}

}  // namespace
}  // namespace zeto::test
