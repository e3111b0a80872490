#include "script/ScriptRunner.h"

#include "platform/core/VbError.h"
#include "script/core/ScriptHost.h"
#include "shell/Shell.h"

#include <QPlainTextEdit>

namespace zeto {

ScriptRunner::ScriptRunner(Shell& shell) : shell_(shell) {}

QPlainTextEdit* ScriptRunner::scriptBox() {
    if (!scriptBox_) {
        if (QWidget* main = shell_.mainWidget())
            scriptBox_ = main->findChild<QPlainTextEdit*>(QStringLiteral("Txtscript"));
    }
    return scriptBox_;
}

void ScriptRunner::run(const std::string& procedureText) {
    std::string code = procedureText;
    if (QPlainTextEdit* box = scriptBox()) {
        // Replacing the whole text empties the box first.
        box->setPlainText(QString::fromStdString(procedureText));
        // The box keeps paragraphs, not line-break characters; give the engine the lines
        // joined as they were generated.
        code = box->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
    }
    script::ScriptHost& host = shell_.scriptHost();
    host.AddCode(code);
    std::vector<std::string> names = host.Procedures();
    if (names.empty()) throw VbError(VbError::SyntaxError);
    host.Run(names.back());
}

}  // namespace zeto
