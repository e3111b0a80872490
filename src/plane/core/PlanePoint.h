#pragma once

#include "plane/core/Coordinate.h"

#include <QPointF>
#include <QString>

#include <vector>

namespace zeto {

// A point the analysis reports, with the text form of each coordinate.
struct PlanePoint {
    Coordinate x;
    Coordinate y;

    QPointF at() const { return {x.value(), y.value()}; }
    // "(x, y)".
    QString text() const;

    // By x, then y; exactly where both are exact.
    static bool before(const PlanePoint& a, const PlanePoint& b);
    // The texts of at most `limit` points joined by "、", and "……" after them when there are
    // more.
    static QString listText(const std::vector<PlanePoint>& points, std::size_t limit = 20);
};

}  // namespace zeto
