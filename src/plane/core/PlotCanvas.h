#pragma once

#include "plane/core/PlotDescription.h"
#include "platform/core/BgrColor.h"

#include <QString>

namespace zeto {

// What a plotting routine draws on: the plane, addressed in its own units. Coordinates are
// handed over as computed; the plane takes them in single precision and raises
// VbError(Overflow) for values beyond it, before anything is drawn.
class PlotCanvas {
  public:
    virtual ~PlotCanvas() = default;

    virtual void segment(double x1, double y1, double x2, double y2, BgrColor color) = 0;
    // One point as wide as the pen.
    virtual void dot(double x, double y, BgrColor color) = 0;
    // Text with its top-left corner at the point; the colour stays the plane's drawing colour.
    virtual void label(double x, double y, const QString& text, BgrColor color) = 0;
    // A circle in plane units on both axes: on a stretched plane it is an ellipse in pixels.
    virtual void circle(double cx, double cy, double r, BgrColor color) = 0;
    virtual void setPenWidth(int pixels) = 0;
};

// One plot while it is drawn: everything drawn through it enters the plane's record as this
// plot's pieces, under the description, which the plot keeps up to date with what it reads.
class PlotRecording : public PlotCanvas {
  public:
    virtual PlotDescription& description() = 0;
    // The plot drew nothing and is no plot: it leaves the record.
    virtual void dropIfEmpty() = 0;
};

}  // namespace zeto
