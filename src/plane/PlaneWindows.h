#pragma once

#include <memory>

namespace zeto {

class CoordinateWindow;
class PlaneHost;
class SettingsWindow;

// The settings window and the coordinate window, built in the one order that works: the
// plane is drawn from the settings, so the settings window comes first (its pen width starts
// at 2, which the first plane leaves in force). The two windows talk only through
// the connections made here.
class PlaneWindows {
  public:
    explicit PlaneWindows(PlaneHost& host);
    ~PlaneWindows();

    SettingsWindow& settings() { return *settings_; }
    CoordinateWindow& plane() { return *plane_; }

    // Clears the surface and redraws the plane in place, shown or hidden.
    void clearPlane();
    // Closes both windows (they only hide while the program is not closing).
    void close();

  private:
    std::unique_ptr<SettingsWindow> settings_;
    std::unique_ptr<CoordinateWindow> plane_;
};

}  // namespace zeto
