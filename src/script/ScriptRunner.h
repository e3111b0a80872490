#pragma once

#include <QPointer>

#include <string>

class QPlainTextEdit;

namespace zeto {

class Shell;

// Runs one generated procedure the way every formula feature does: the text goes through the
// hidden script box `Txtscript` (so the box always shows the last procedure), is added to the
// engine, and the most recently defined procedure runs. Errors of the engine and of the
// callbacks propagate as VbError.
class ScriptRunner {
  public:
    explicit ScriptRunner(Shell& shell);

    void run(const std::string& procedureText);

  private:
    QPlainTextEdit* scriptBox();

    Shell& shell_;
    QPointer<QPlainTextEdit> scriptBox_;
};

}  // namespace zeto
