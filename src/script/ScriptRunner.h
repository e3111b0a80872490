#pragma once

#include <string>

class QPlainTextEdit;

namespace zeto {

class FormulaCallbacks;
struct FormulaTargets;
namespace script {
class ScriptHost;
}

// Runs one generated procedure the way every formula feature does: the text goes through the
// hidden script box `Txtscript` (so the box always shows the last procedure), is added to the
// engine, and the most recently defined procedure runs, writing to the targets the caller
// hands over. Errors of the engine and of the callbacks propagate as VbError.
class ScriptRunner {
  public:
    ScriptRunner(script::ScriptHost& host, FormulaCallbacks& callbacks, QPlainTextEdit& scriptBox);

    void run(const std::string& procedureText, const FormulaTargets& targets);

  private:
    script::ScriptHost& host_;
    FormulaCallbacks& callbacks_;
    QPlainTextEdit& scriptBox_;
};

}  // namespace zeto
