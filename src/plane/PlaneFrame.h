#pragma once

#include <QRectF>
#include <QSize>
#include <QTransform>

namespace zeto {

// Where the plane lands on a target other than the screen's surface (a projector, a larger
// picture, a vector file, a page), and how large its lines and text are drawn there. Target
// units are the painter's coordinates on that target.
struct PlaneFrame {
    // Plane units to target units.
    QTransform toTarget;
    // The square or rectangle [-L, L] x [-L, L] covers; nothing of the plane shows outside it.
    QRectF plane;
    // The target's extent from (0, 0), beyond which pieces are cut before they are painted.
    QSize view;
    // Pen widths and text relative to the plane on screen.
    double scale = 1;
    bool smooth = true;

    // Target units per plane unit, across.
    double unit() const { return toTarget.m11(); }

    // One plane unit is `unit` target units on both axes; the plane is centred in `area`.
    static PlaneFrame square(const QRectF& area, int axisLength, double unit, QSize view,
                             double screenUnit);
    // The largest square plane that fits `area` less `margin` on every side.
    static PlaneFrame fitted(const QRectF& area, int axisLength, double margin, QSize view,
                             double screenUnit);
    // The plane of the screen, `screen` pixels with unequal units, at `factor` times its size:
    // the edge values on the centres of the edge pixels, as on screen.
    static PlaneFrame enlarged(QSize screen, int axisLength, int factor);
};

}  // namespace zeto
