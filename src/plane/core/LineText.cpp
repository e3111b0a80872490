#include "plane/core/LineText.h"

#include "plane/core/Coordinate.h"

namespace zeto {

QString LineText::vertical(const SurdNumber& x) {
    return QStringLiteral("x = ") + Coordinate::exact(x).text();
}

QString LineText::horizontal(const SurdNumber& y) {
    return QStringLiteral("y = ") + Coordinate::exact(y).text();
}

QString LineText::throughOrigin(const SurdNumber& slope) {
    if (slope.sign() == 0) return horizontal(0);
    const SurdNumber size = slope.sign() < 0 ? -slope : slope;
    const QString sign = slope.sign() < 0 ? QStringLiteral("-") : QString();
    const bool whole = size.isRational() && size.rationalPart().get_den() == 1;
    QString factor = Coordinate::exact(size).text();
    if (size == SurdNumber(1))
        factor.clear();
    else if (!whole)
        factor = QLatin1Char('(') + factor + QLatin1Char(')');
    return QStringLiteral("y = ") + sign + factor + QLatin1Char('x');
}

}  // namespace zeto
