#include "plane/core/PlanePoint.h"

#include <QStringList>

namespace zeto {
namespace {

int compareCoordinates(const Coordinate& a, const Coordinate& b) {
    if (a.exactValue() && b.exactValue()) return a.exactValue()->compare(*b.exactValue());
    return a.value() < b.value() ? -1 : a.value() > b.value() ? 1 : 0;
}

}  // namespace

QString PlanePoint::text() const {
    return QLatin1Char('(') + x.text() + QStringLiteral(", ") + y.text() + QLatin1Char(')');
}

bool PlanePoint::before(const PlanePoint& a, const PlanePoint& b) {
    const int byX = compareCoordinates(a.x, b.x);
    return byX != 0 ? byX < 0 : compareCoordinates(a.y, b.y) < 0;
}

QString PlanePoint::listText(const std::vector<PlanePoint>& points, std::size_t limit) {
    QStringList texts;
    for (std::size_t k = 0; k < points.size() && k < limit; ++k) texts << points[k].text();
    QString text = texts.join(QStringLiteral("、"));
    if (points.size() > limit) text += QStringLiteral("……");
    return text;
}

}  // namespace zeto
