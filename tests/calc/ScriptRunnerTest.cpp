#include "CalcFixture.h"

#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"

namespace zeto::test {
namespace {

using ScriptRunnerTest = CalcFixture;

// Runs of both kinds in turn on the one engine, each writing into the controls handed over
// with it.
TEST_F(ScriptRunnerTest, EachRunReachesTheControlsHandedOverWithIt) {
    FormulaTargets targets;
    targets.results = control<QPlainTextEdit>("txtrlt");
    targets.preview = control<QListWidget>("SLEXP");
    ScriptRunner& runner = shell.scripts();
    runner.run(script::ProcedureText::calculator("7"), targets);
    runner.run(script::ProcedureText::calculator("8"), targets);
    runner.run(script::ProcedureText::sequenceTerm("N^2+N+2", 3), targets);
    runner.run(script::ProcedureText::calculator("2*3"), targets);
    EXPECT_EQ(results(), QStringLiteral("=6\n=8\n=7\n"));
    EXPECT_EQ(items(), QStringList{"14"});
    // The targets go with the run: afterwards nothing is handed over.
    EXPECT_THROW(runner.run(script::ProcedureText::calculator("1"), FormulaTargets()), VbError);
    EXPECT_EQ(results(), QStringLiteral("=6\n=8\n=7\n"));
}

}  // namespace
}  // namespace zeto::test
