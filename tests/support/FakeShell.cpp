#include "FakeShell.h"

#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"
#include "script/core/ScriptHost.h"

#include <QCoreApplication>

namespace zeto::test {

FakeShell::FakeShell() {
    main.setObjectName(QStringLiteral("Form1"));
}

FakeShell::~FakeShell() {
    state.EXITZETO = true;
    coordinateWindow_.reset();
    settingsWindow_.reset();
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
    return !state.EXITZETO;
}

SettingsWindow& FakeShell::settingsWindow() {
    if (!settingsWindow_) settingsWindow_ = std::make_unique<SettingsWindow>(*this);
    return *settingsWindow_;
}

CoordinateWindow& FakeShell::coordinateWindow() {
    if (!coordinateWindow_) {
        settingsWindow();
        state.bl = 2;
        coordinateWindow_ = std::make_unique<CoordinateWindow>(*this);
        coordinateWindow_->surface().setDrawWidth(2);
    }
    return *coordinateWindow_;
}

script::ScriptHost& FakeShell::scriptHost() {
    if (!host_) host_ = std::make_unique<script::ScriptHost>();
    return *host_;
}

void FakeShell::showWindow(QWidget* window) {
    window->show();
    window->raise();
}

}  // namespace zeto::test
