#include "script/ScriptRunner.h"

#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/core/ScriptHost.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace zeto {
namespace {

constexpr int kFrameMs = 16;

}  // namespace

ScriptRunner::ScriptRunner(script::ScriptHost& host, FormulaCallbacks& callbacks,
                           QPlainTextEdit& scriptBox)
    : host_(host), callbacks_(callbacks), scriptBox_(scriptBox), boxTimer_(new QTimer(&scriptBox)) {
    boxTimer_->setSingleShot(true);
    QObject::connect(boxTimer_, &QTimer::timeout, &scriptBox, [this] { showInBox(); });
}

void ScriptRunner::run(const std::string& procedureText, const FormulaTargets& targets) {
    lastText_ = procedureText;
    if (!boxClock_.isValid() || boxClock_.elapsed() >= kFrameMs)
        showInBox();
    else if (!boxTimer_->isActive())
        boxTimer_->start(kFrameMs - static_cast<int>(boxClock_.elapsed()));

    const FormulaCallbacks::Binding binding(callbacks_, targets);
    host_.AddCode(procedureText);
    const std::vector<std::string> names = host_.Procedures();
    if (names.empty()) throw VbError(VbError::SyntaxError);
    host_.Run(names.back());
}

void ScriptRunner::showInBox() {
    boxTimer_->stop();
    boxClock_.start();
    // Replacing the whole text empties the box first.
    scriptBox_.setPlainText(QString::fromStdString(lastText_));
}

}  // namespace zeto
