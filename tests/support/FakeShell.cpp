#include "FakeShell.h"

#include "plane/SettingsWindow.h"
#include "shell/MathView.h"

namespace zeto::test {

FakeShell::FakeShell() : planes_(std::make_unique<PlaneWindows>(*this)) {
    main.setObjectName(QStringLiteral("Form1"));
}

FakeShell::~FakeShell() {
    closingNow = true;
    planes_.reset();
}

std::string FakeShell::stepsText() const {
    return steps.view()->accessibleDescription().remove(QLatin1Char(' ')).toStdString();
}

QWidget& FakeShell::settingsWidget() {
    return planes_->settingsWindow();
}

}  // namespace zeto::test
