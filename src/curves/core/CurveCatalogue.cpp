#include "curves/core/CurveCatalogue.h"

namespace zeto {

const std::array<CurveKind, 7>& CurveCatalogue::kinds() {
    static const std::array<CurveKind, 7> table = {{
        {QStringLiteral("直线"),
         QStringLiteral("AX+BY+C=0"),
         {true, true, true},
         {QStringLiteral("A="), QStringLiteral("B="), QStringLiteral("C=")},
         false},
        {QStringLiteral("圆"),
         QStringLiteral("(X+a)^2+(Y+b)^2=r^2"),
         {true, true, true},
         {QStringLiteral("a="), QStringLiteral("b="), QStringLiteral("r=")},
         false},
        {QStringLiteral("椭圆"),
         QStringLiteral("(X/a)^2+(Y/b)^2=1"),
         {true, true, false},
         {QStringLiteral("a="), QStringLiteral("b="), QString()},
         true},
        {QStringLiteral("双曲线1"),
         QStringLiteral("(X/a)^2-(Y/b)^2=1"),
         {true, true, false},
         {QStringLiteral("a="), QStringLiteral("b="), QString()},
         true},
        {QStringLiteral("双曲线2"),
         QStringLiteral("(Y/a)^2-(X/b)^2=1"),
         {true, true, false},
         {QStringLiteral("a="), QStringLiteral("b="), QString()},
         true},
        {QStringLiteral("抛物线1"),
         QStringLiteral("Y^2=2pX"),
         {true, false, false},
         {QStringLiteral("P="), QString(), QString()},
         true},
        {QStringLiteral("抛物线2"),
         QStringLiteral("X^2=2pY"),
         {true, false, false},
         {QStringLiteral("P="), QString(), QString()},
         true},
    }};
    return table;
}

std::optional<CurveKind> CurveCatalogue::find(const QString& item) {
    for (const CurveKind& kind : kinds())
        if (kind.item == item) return kind;
    return std::nullopt;
}

}  // namespace zeto
