#include "plane/PlaneWindows.h"

#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"

namespace zeto {

PlaneWindows::PlaneWindows(PlaneHost& host) : settings_(std::make_unique<SettingsWindow>(host)) {
    plane_ = std::make_unique<CoordinateWindow>(host, *settings_);

    CoordinateWindow* plane = plane_.get();
    QObject::connect(settings_.get(), &SettingsWindow::planeChanged, plane, &CoordinateWindow::XY);
    QObject::connect(settings_.get(), &SettingsWindow::penWidthChosen, plane,
                     &CoordinateWindow::setPenWidth);
    QObject::connect(settings_.get(), &SettingsWindow::backgroundChosen, plane,
                     [plane](BgrColor color) { plane->surface().setBackColor(color); });
    QObject::connect(settings_.get(), &SettingsWindow::sizeChosen, plane,
                     &CoordinateWindow::resizePlane);
}

PlaneWindows::~PlaneWindows() {
    // The coordinate window reads the settings until it goes.
    plane_.reset();
    settings_.reset();
}

void PlaneWindows::clearPlane() {
    plane_->surface().clear();
    plane_->XY();
}

void PlaneWindows::close() {
    plane_->close();
    settings_->close();
}

}  // namespace zeto
