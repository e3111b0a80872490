#pragma once

#include "platform/ColorSwatch.h"
#include "platform/core/VbError.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cmath>
#include <vector>

namespace zeto::test {

constexpr BgrColor kWhite = 0xFFFFFF;
constexpr BgrColor kBlack = 0x000000;
constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kGreen = 0x00FF00;
constexpr BgrColor kBlue = 0xFF0000;

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
};

inline bool hasColor(const QImage& image, int x, int y, BgrColor c) {
    return image.rect().contains(x, y) && image.pixel(x, y) == colorFromBgr(c).rgb();
}

inline int countColor(const QImage& image, const QRect& area, BgrColor c) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += hasColor(image, x, y, c);
    return n;
}

inline int countColor(const QImage& image, BgrColor c) {
    return countColor(image, image.rect(), c);
}

// True when some pixel within `reach` of (x, y) has the colour.
inline bool colorNear(const QImage& image, int x, int y, BgrColor c, int reach = 1) {
    return countColor(image, QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1), c) > 0;
}

// Pixels of the colour that lie in none of the allowed areas.
inline int strayPixels(const QImage& image, BgrColor c, const std::vector<QRect>& allowed) {
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!hasColor(image, x, y, c)) continue;
            bool inside = false;
            for (const QRect& r : allowed) inside = inside || r.contains(x, y);
            stray += !inside;
        }
    return stray;
}

// The error code an operation raises, 0 when it returns normally.
template <typename Operation>
int errorCode(Operation&& operation) {
    try {
        operation();
    } catch (const VbError& e) {
        return e.code();
    }
    return 0;
}

}  // namespace zeto::test
