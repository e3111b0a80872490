#include "FakeShell.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlaneWindows.h"
#include "plane/SettingsWindow.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ScriptHost.h"

#include <QCoreApplication>

namespace zeto::test {

FakeShell::FakeShell()
    : planes_(std::make_unique<PlaneWindows>(*this)),
      callbacks_(std::make_unique<FormulaCallbacks>(*this)),
      host_(std::make_unique<script::ScriptHost>()),
      runner_(std::make_unique<ScriptRunner>(*host_, *callbacks_, scriptBox)) {
    main.setObjectName(QStringLiteral("Form1"));
    scriptBox.setObjectName(QStringLiteral("Txtscript"));
    host_->AddObject("OBJsc", callbacks_.get());
}

FakeShell::~FakeShell() {
    state.EXITZETO = true;
    runner_.reset();
    host_.reset();
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
    return !state.EXITZETO;
}

ScriptRunner& FakeShell::scripts() {
    return *runner_;
}

PlaneSettings FakeShell::planeSettings() const {
    return planes_->settings().settings();
}

PlotCanvas& FakeShell::canvas() {
    return planes_->plane();
}

void FakeShell::showPlane() {
    planes_->plane().show();
}

void FakeShell::clearPlane() {
    planes_->clearPlane();
}

void FakeShell::showSettings() {
    planes_->settings().show();
}

QString FakeShell::previewCountText() const {
    return planes_->settings().previewCountText();
}

CoordinateWindow& FakeShell::coordinateWindow() {
    return planes_->plane();
}

SettingsWindow& FakeShell::settingsWindow() {
    return planes_->settings();
}

QWidget& FakeShell::settingsWidget() {
    return planes_->settings();
}

}  // namespace zeto::test
