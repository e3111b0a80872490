#include "script/core/ProcedureText.h"

#include <gtest/gtest.h>

#include <QString>

namespace zeto::test {
namespace {

using script::ProcedureText;

QString text(const std::string& procedure) {
    return QString::fromStdString(procedure);
}

// The texts a sequence term and a graph sample hand to the engine: the formula letter is
// replaced inside names too, capital or not, and the second sample is x + 0.01 in double
// precision. The pages' tests run the calculator's and the sums' texts.
TEST(ProcedureText, TextsHandedToTheEngine) {
    // The second sample of a plot: -5 plus the single-precision step. Its float value is
    // -4.99476385116577148..., shown with 7 digits for Z and 15 for x + 0.01 in Z1.
    const float secondSample = -5.0f + static_cast<float>(3.1415926535 / 600);
    const struct {
        QString procedure;
        QString expected;
    } cases[] = {
        {text(ProcedureText::sequenceTerm("2*n", 100)),
         "Sub fc()\r\nZ=2*(100)\r\ncall OBJsc.sl(Z)\r\nEnd Sub"},
        {text(ProcedureText::functionSample("X+1/X", -5.0f)),
         "Sub fc()\r\nZ=(-5)+1/(-5)\r\nZ1=(-4.99)+1/(-4.99)\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd Sub"},
        {text(ProcedureText::functionSample("exp(x)", 0.5f)),
         "Sub fc()\r\nZ=e(0.5)p((0.5))\r\nZ1=e(0.51)p((0.51))\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd Sub"},
        {text(ProcedureText::functionSample("X", secondSample)),
         "Sub fc()\r\nZ=(-4.994764)\r\nZ1=(-4.98476385116577)\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd Sub"},
        // Other letters, full-width ones included, stay as they are.
        {text(ProcedureText::substitute("ｘ+x·X", 'x', "2")), "ｘ+(2)·(2)"},
        {ProcedureText::functionSample(QStringLiteral("数X"), 1.0f),
         "Sub fc()\r\nZ=数(1)\r\nZ1=数(1.01)\r\ncall OBJsc.fcf(Z,Z1)\r\nEnd Sub"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.procedure, c.expected);
}

}  // namespace
}  // namespace zeto::test
