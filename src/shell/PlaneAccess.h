#pragma once

#include "plane/core/PlaneSettings.h"
#include "plane/core/PlotCanvas.h"

#include <memory>

namespace zeto {

// The plane as far as a page may reach it: its settings, plots, and the page buttons
// "查看坐标", "清空坐标" and "坐标设置".
class PlaneAccess {
  public:
    virtual ~PlaneAccess() = default;

    virtual const PlaneSettings& settings() const = 0;
    // The function page's graph colour, which the plots of other pages take too.
    virtual BgrColor graphColor() const = 0;
    // A plot begins on the plane; everything drawn through the recording is kept as this
    // plot's, until the recording goes.
    virtual std::unique_ptr<PlotRecording> beginPlot(const PlotDescription& description) = 0;
    virtual void showPlane() = 0;
    // Clears the plane and draws it afresh, shown or hidden; the window is not brought forward.
    virtual void clearPlane() = 0;
    virtual void showSettings() = 0;
};

}  // namespace zeto
