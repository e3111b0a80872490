#include "FakeShell.h"

#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"
#include "script/core/ScriptHost.h"
#include "script/core/ScriptObject.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace zeto {
namespace {

class Recorder : public script::ScriptObject {
  public:
    void call(std::string_view method, const std::vector<script::Value>& args) override {
        calls.push_back(std::string(method) + ":" + args.at(0).toText());
    }
    std::vector<std::string> calls;
};

TEST(ScriptRunner, TheScriptBoxCarriesEachProcedureToTheEngine) {
    Recorder recorder;  // outlives the shell's engine
    test::FakeShell shell;
    shell.scriptHost().AddObject("OBJsc", &recorder);
    auto* box = new QPlainTextEdit(&shell.main);
    box->setObjectName(QStringLiteral("Txtscript"));
    box->setPlainText(QStringLiteral("left over"));
    ScriptRunner runner(shell);

    runner.run(script::ProcedureText::calculator("7"));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Sub eq()\nZ=7\ncall OBJsc.SS(Z)\nEnd Sub"));
    runner.run(script::ProcedureText::sequenceTerm("N^2+N+2", 3));
    EXPECT_EQ(box->toPlainText(),
              QStringLiteral("Sub fc()\nZ=(3)^2+(3)+2\ncall OBJsc.sl(Z)\nEnd Sub"));
    runner.run(script::ProcedureText::calculator("2*3"));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"SS:7", "sl:14", "SS:6"}));
}

}  // namespace
}  // namespace zeto
