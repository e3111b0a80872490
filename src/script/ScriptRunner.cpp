#include "script/ScriptRunner.h"

#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/core/ScriptHost.h"

#include <QPlainTextEdit>

namespace zeto {

ScriptRunner::ScriptRunner(script::ScriptHost& host, FormulaCallbacks& callbacks,
                           QPlainTextEdit& scriptBox)
    : host_(host), callbacks_(callbacks), scriptBox_(scriptBox) {}

void ScriptRunner::run(const std::string& procedureText, const FormulaTargets& targets) {
    // Replacing the whole text empties the box first.
    scriptBox_.setPlainText(QString::fromStdString(procedureText));
    // The box keeps paragraphs, not line-break characters; give the engine the lines joined
    // as they were generated.
    const std::string code =
        scriptBox_.toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
    const FormulaCallbacks::Binding binding(callbacks_, targets);
    host_.AddCode(code);
    const std::vector<std::string> names = host_.Procedures();
    if (names.empty()) throw VbError(VbError::SyntaxError);
    host_.Run(names.back());
}

}  // namespace zeto
