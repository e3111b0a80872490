#include "FakeShell.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlaneWindows.h"
#include "plane/SettingsWindow.h"
#include "script/core/ScriptHost.h"

#include <QCoreApplication>

namespace zeto::test {

FakeShell::FakeShell() : planes_(std::make_unique<PlaneWindows>(*this)) {
    main.setObjectName(QStringLiteral("Form1"));
}

FakeShell::~FakeShell() {
    state.EXITZETO = true;
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

script::ScriptHost& FakeShell::scriptHost() {
    if (!host_) host_ = std::make_unique<script::ScriptHost>();
    return *host_;
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

}  // namespace zeto::test
