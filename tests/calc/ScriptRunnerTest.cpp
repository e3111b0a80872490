#include "CalcFixture.h"

#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"

namespace zeto::test {
namespace {

using ScriptRunnerTest = CalcFixture;

TEST_F(ScriptRunnerTest, TheScriptBoxCarriesEachProcedureToTheEngine) {
    auto* box = new QPlainTextEdit(QStringLiteral("left over"), &shell.main);
    box->setObjectName(QStringLiteral("Txtscript"));
    ScriptRunner runner(shell);
    runner.run(script::ProcedureText::calculator("7"));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Sub eq()\nZ=7\ncall OBJsc.SS(Z)\nEnd Sub"));
    runner.run(script::ProcedureText::sequenceTerm("N^2+N+2", 3));
    EXPECT_EQ(box->toPlainText(),
              QStringLiteral("Sub fc()\nZ=(3)^2+(3)+2\ncall OBJsc.sl(Z)\nEnd Sub"));
    runner.run(script::ProcedureText::calculator("2*3"));
    EXPECT_EQ(results(), QStringLiteral("=6\n=7\n"));
    EXPECT_EQ(items(), QStringList{"14"});
}

}  // namespace
}  // namespace zeto::test
