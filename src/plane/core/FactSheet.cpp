#include "plane/core/FactSheet.h"

namespace zeto {

void FactSheet::add(const QString& name, const QString& value) {
    facts_.lines.push_back({name, value});
}

void FactSheet::addPoints(const QString& name, const std::vector<PlanePoint>& points,
                          const std::vector<QString>& labels, const QString& none) {
    if (points.empty()) {
        if (!none.isEmpty()) add(QString(), none);
        return;
    }
    add(name, PlanePoint::listText(points, kPointLimit));
    for (std::size_t k = 0; k < points.size() && k < kPointLimit; ++k) {
        const QString label = labels.size() == 1  ? labels[0]
                              : k < labels.size() ? labels[k]
                                                  : QString();
        facts_.marks.push_back({points[k].at(), points[k].text(), label});
    }
}

PlanePoint FactSheet::exactPoint(const SurdNumber& x, const SurdNumber& y) {
    return {Coordinate::exact(x), Coordinate::exact(y)};
}

}  // namespace zeto
