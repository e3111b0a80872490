#pragma once

#include <QElapsedTimer>

#include <string>

class QPlainTextEdit;
class QTimer;

namespace zeto {

class FormulaCallbacks;
struct FormulaTargets;
namespace script {
class ScriptHost;
}

// Runs one generated procedure the way every formula feature does: the text is added to the
// engine and the most recently defined procedure runs, writing to the targets the caller
// hands over. Errors of the engine and of the callbacks propagate as VbError.
//
// The hidden script box `Txtscript` always shows the last procedure run. Filling a text box
// costs far more than running a procedure, and a graph runs thousands of them, so the box is
// brought up to date at most once per screen frame: at once when it was not filled in the
// last frame, otherwise when the frame is over.
class ScriptRunner {
  public:
    ScriptRunner(script::ScriptHost& host, FormulaCallbacks& callbacks, QPlainTextEdit& scriptBox);

    void run(const std::string& procedureText, const FormulaTargets& targets);

  private:
    void showInBox();

    script::ScriptHost& host_;
    FormulaCallbacks& callbacks_;
    QPlainTextEdit& scriptBox_;
    QTimer* boxTimer_;
    QElapsedTimer boxClock_;
    std::string lastText_;
};

}  // namespace zeto
