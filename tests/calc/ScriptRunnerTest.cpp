#include "CalcFixture.h"

#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"

#include <QTest>

namespace zeto::test {
namespace {

using ScriptRunnerTest = CalcFixture;

TEST_F(ScriptRunnerTest, TheScriptBoxCarriesEachProcedureToTheEngine) {
    shell.scriptBox.setPlainText(QStringLiteral("left over"));
    FormulaTargets targets;
    targets.results = control<QPlainTextEdit>("txtrlt");
    targets.preview = control<QListWidget>("SLEXP");
    ScriptRunner& runner = shell.scripts();
    const auto boxShows = [&](const char* text) {
        return QTest::qWaitFor([&] { return shell.scriptBox.toPlainText() == text; });
    };
    runner.run(script::ProcedureText::calculator("7"), targets);
    EXPECT_TRUE(boxShows("Sub eq()\nZ=7\ncall OBJsc.SS(Z)\nEnd Sub"));
    // Runs in quick succession: the box catches up with the last one.
    runner.run(script::ProcedureText::calculator("8"), targets);
    runner.run(script::ProcedureText::sequenceTerm("N^2+N+2", 3), targets);
    EXPECT_TRUE(boxShows("Sub fc()\nZ=(3)^2+(3)+2\ncall OBJsc.sl(Z)\nEnd Sub"));
    runner.run(script::ProcedureText::calculator("2*3"), targets);
    EXPECT_EQ(results(), QStringLiteral("=6\n=8\n=7\n"));
    EXPECT_EQ(items(), QStringList{"14"});
    // The targets go with the run: afterwards nothing is handed over.
    EXPECT_THROW(runner.run(script::ProcedureText::calculator("1"), FormulaTargets()), VbError);
    EXPECT_EQ(results(), QStringLiteral("=6\n=8\n=7\n"));
}

}  // namespace
}  // namespace zeto::test
