#pragma once

#include "plane/PlaneFrame.h"
#include "plane/core/PlaneSettings.h"
#include "platform/PrimitivePainter.h"
#include "platform/core/Primitive.h"

#include <QFont>

#include <vector>

class QPainter;

namespace zeto {

// Paints the whole plane for a target other than the screen's surface: the background, the
// grid, axes, ticks and numbers drawn afresh for the target's size (numbers that would run
// together thinned to every second, fifth or tenth), then the pieces of the record and of
// what the window shows over it, in plane units. Lines and text keep their size relative to
// the plane on screen.
class PlaneRenderer {
  public:
    using Layers = std::vector<const std::vector<Primitive>*>;

    // `font` is the plane's text font on screen.
    PlaneRenderer(const PlaneSettings& settings, const QFont& font);

    void paint(QPainter& p, const PlaneFrame& frame, const Layers& layers) const;

    // What paints pieces on the frame; `clip` sets a painter up for it, cut to the plane.
    PrimitivePainter painterFor(const PlaneFrame& frame) const;
    void clip(QPainter& p, const PlaneFrame& frame) const;
    // The grid, axes, ticks and numbers for the frame, in plane units.
    std::vector<Primitive> axes(const PlaneFrame& frame) const;

  private:
    void addNumbers(std::vector<Primitive>& pieces, const PlaneFrame& frame) const;

    PlaneSettings settings_;
    QFont font_;
};

}  // namespace zeto
