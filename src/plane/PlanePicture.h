#pragma once

#include "plane/PlaneRenderer.h"
#include "plane/core/PlaneSettings.h"
#include "platform/core/Primitive.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QTransform>

#include <vector>

namespace zeto {

// What the coordinate window shows at one moment, kept apart from the window: its settings,
// the screen's own axes, and the record's visible pieces followed by what the window shows
// over the record. Raster pictures are made from it here; pages and vector files elsewhere.
struct PlanePicture {
    PlaneSettings settings;
    // The plane's text font on screen.
    QFont font;
    // The plane on screen in logical pixels, and plane units to those pixels.
    QSize screenPixels;
    QTransform screenTransform;
    std::vector<Primitive> screenAxes;
    std::vector<Primitive> pieces;

    // The mean length of a plane unit on screen, in logical pixels.
    double screenUnit() const { return meanUnit(screenTransform); }
    static double meanUnit(const QTransform& toPixel);
    PlaneRenderer renderer() const { return PlaneRenderer(settings, font); }
    // Paints the plane onto the frame.
    void paint(QPainter& p, const PlaneFrame& frame) const;
    // At factor 1 the screen's picture pixel for pixel (at one device pixel to a pixel); at
    // larger factors the plane painted afresh, that many times as large and smooth.
    QImage raster(int factor) const;
};

}  // namespace zeto
