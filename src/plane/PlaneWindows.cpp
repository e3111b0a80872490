#include "plane/PlaneWindows.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlaneHost.h"
#include "plane/SettingsWindow.h"

namespace zeto {

PlaneWindows::PlaneWindows(PlaneHost& host)
    : host_(host), settingsWindow_(std::make_unique<SettingsWindow>(host, model_)) {
    plane_ = std::make_unique<CoordinateWindow>(host, model_);
}

PlaneWindows::~PlaneWindows() {
    // The coordinate window reads the settings until it goes.
    plane_.reset();
    settingsWindow_.reset();
}

std::unique_ptr<PlotRecording> PlaneWindows::beginPlot(const PlotDescription& description) {
    return plane_->beginPlot(description);
}

BgrColor PlaneWindows::graphColor() const {
    return host_.pointColor();
}

void PlaneWindows::show(QWidget* window) {
    if (host_.closing()) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void PlaneWindows::showPlane() {
    show(plane_.get());
}

void PlaneWindows::clearPlane() {
    plane_->drawAxes();
}

void PlaneWindows::showSettings() {
    show(settingsWindow_.get());
}

void PlaneWindows::close() {
    plane_->close();
    settingsWindow_->close();
}

}  // namespace zeto
