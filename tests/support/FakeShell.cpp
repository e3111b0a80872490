#include "FakeShell.h"

#include "plane/SettingsWindow.h"
#include "shell/MathView.h"

#include <QCoreApplication>

namespace zeto::test {

FakeShell::FakeShell() : planes_(std::make_unique<PlaneWindows>(*this)) {
    main.setObjectName(QStringLiteral("Form1"));
}

FakeShell::~FakeShell() {
    closingNow = true;
    planes_.reset();
}

void FakeShell::setStatus(const QString& text) {
    status = text;
    statusHistory.append(text);
}

void FakeShell::startLamp() {
    lampRunning = true;
    ++lampStarts;
}

void FakeShell::stopLamp() {
    lampRunning = false;
    ++lampStops;
}

bool FakeShell::yieldToEvents() {
    ++yields;
    QCoreApplication::processEvents();
    return !closingNow;
}

std::string FakeShell::stepsText() const {
    return steps.view()->accessibleDescription().remove(QLatin1Char(' ')).toStdString();
}

QWidget& FakeShell::settingsWidget() {
    return planes_->settingsWindow();
}

}  // namespace zeto::test
