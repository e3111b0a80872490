#pragma once

#include "platform/ColorSwatch.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cmath>

namespace zeto::test {

// Where plane points land on a surface image of a given size, worked out from the plane's
// rule (edges of the plane on the centres of the edge pixels, nearest pixel, halves up),
// independently of the surface's own transform.
struct PlaneGrid {
    int width;
    int height;
    int L;

    int col(double x) const {
        return static_cast<int>(std::floor((x + L) * (width - 1) / (2.0 * L) + 0.5 + 1e-9));
    }
    int row(double y) const {
        return static_cast<int>(std::floor((L - y) * (height - 1) / (2.0 * L) + 0.5 + 1e-9));
    }
    double pixelsPerUnitX() const { return (width - 1) / (2.0 * L); }
    double pixelsPerUnitY() const { return (height - 1) / (2.0 * L); }
};

inline QRgb rgbOf(BgrColor c) {
    return colorFromBgr(c).rgb();
}

inline bool hasColor(const QImage& image, int x, int y, BgrColor c) {
    return image.rect().contains(x, y) && image.pixel(x, y) == rgbOf(c);
}

inline int countColor(const QImage& image, const QRect& area, BgrColor c) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) == rgbOf(c)) ++n;
    return n;
}

inline int countColor(const QImage& image, BgrColor c) {
    return countColor(image, image.rect(), c);
}

// True when some pixel within `reach` of (x, y) has the colour.
inline bool colorNear(const QImage& image, int x, int y, BgrColor c, int reach = 1) {
    return countColor(image, QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1), c) > 0;
}

}  // namespace zeto::test
