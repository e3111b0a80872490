#pragma once

#include "plane/core/PlaneSettingsModel.h"
#include "shell/PlaneAccess.h"

#include <memory>

namespace zeto {

class CoordinateWindow;
class PlaneHost;
class SettingsWindow;

// The settings model with the two windows on it, built in the one order that works: the
// settings window comes first, then the coordinate window, which draws its first plane from
// the settings. The two windows talk only through the model.
class PlaneWindows : public PlaneAccess {
  public:
    explicit PlaneWindows(PlaneHost& host);
    ~PlaneWindows() override;

    PlaneSettingsModel& model() { return model_; }
    SettingsWindow& settingsWindow() { return *settingsWindow_; }
    CoordinateWindow& plane() { return *plane_; }

    // PlaneAccess
    const PlaneSettings& settings() const override { return model_.value(); }
    BgrColor graphColor() const override;
    std::unique_ptr<PlotRecording> beginPlot(const PlotDescription& description) override;
    void showPlane() override;
    void clearPlane() override;
    void showSettings() override;

    // Closes both windows (they only hide while the program is not closing).
    void close();

  private:
    void show(QWidget* window);

    PlaneHost& host_;
    PlaneSettingsModel model_;
    std::unique_ptr<SettingsWindow> settingsWindow_;
    std::unique_ptr<CoordinateWindow> plane_;
};

}  // namespace zeto
