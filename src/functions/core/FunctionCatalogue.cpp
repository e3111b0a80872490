#include "functions/core/FunctionKind.h"

#include "functions/core/FormulaPlotter.h"
#include "functions/core/GraphPlotter.h"
#include "plane/core/FunctionFormulas.h"
#include "plane/core/PlotSweep.h"

namespace zeto {
namespace {

QString linearLabel(const CoefficientTexts& t) {
    return QStringLiteral(" y=") + t[0] + QStringLiteral("x+") + t[1];
}
QString quadraticLabel(const CoefficientTexts& t) {
    return QStringLiteral(" y=") + t[0] + QStringLiteral("x^2+") + t[1] + QStringLiteral("x+") +
           t[2];
}
QString logarithmLabel(const CoefficientTexts& t) {
    return QStringLiteral(" y=log(") + t[0] + QStringLiteral(")x");
}
QString exponentialLabel(const CoefficientTexts& t) {
    return QStringLiteral(" y=") + t[0] + QStringLiteral("^x");
}
QString powerLabel(const CoefficientTexts& t) {
    return QStringLiteral(" y=x^") + t[0];
}
// The two waves' labels start with "y=" itself, without the blank the others have.
QString sineLabel(const CoefficientTexts& t) {
    return QStringLiteral("y=") + t[0] + QStringLiteral("sin(") + t[1] + QStringLiteral("x+") +
           t[2] + QLatin1Char(')');
}
QString cosineLabel(const CoefficientTexts& t) {
    return QStringLiteral("y=") + t[0] + QStringLiteral("cos(") + t[1] + QStringLiteral("x+") +
           t[2] + QLatin1Char(')');
}
QString tangentLabel(const CoefficientTexts&) {
    return QStringLiteral(" y=tg(x)");
}
QString cotangentLabel(const CoefficientTexts&) {
    return QStringLiteral(" y=ctg(x)");
}
QString noLabel(const CoefficientTexts&) {
    return QString();
}

QString anyBase(double, double) {
    return QString();
}
QString exponentialBase(double base, double) {
    if (base <= 0) return QStringLiteral("不能作图，指数函数底数必须大于0");
    return QString();
}
QString logarithmBase(double base, double start) {
    if (base <= 0 || base == 1 || start <= 0)
        return QStringLiteral("不能作图，对数函数底数必须大于0且不等于1，定义域也必须大于0");
    return QString();
}

const QString kNone;

}  // namespace

bool FunctionKind::admits(double y) const {
    return !bounded || withinPlotBound(y);
}

const std::array<FunctionKind, 10>& FunctionCatalogue::kinds() {
    using K = GraphKind;
    const auto graph = GraphPlotter::plot;
    const auto f = functionFormula;
    static const std::array<FunctionKind, 10> table = {{
        {QStringLiteral("一次函数"),
         QStringLiteral("Y=KX+B"),
         {QStringLiteral("K="), QStringLiteral("B="), kNone},
         K::Linear,
         f(K::Linear),
         false,
         true,
         linearLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("二次函数"),
         QStringLiteral("Y=AX^2+BX+C"),
         {QStringLiteral("A="), QStringLiteral("B="), QStringLiteral("C=")},
         K::Quadratic,
         f(K::Quadratic),
         false,
         false,
         quadraticLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("对数函数"),
         QStringLiteral("Y=LOG(a)X"),
         {QStringLiteral("a="), kNone, kNone},
         K::Logarithm,
         f(K::Logarithm),
         false,
         false,
         logarithmLabel,
         logarithmBase,
         true,
         false,
         graph},
        {QStringLiteral("指数函数"),
         QStringLiteral("Y=a^X"),
         {QStringLiteral("a="), kNone, kNone},
         K::Exponential,
         f(K::Exponential),
         true,
         false,
         exponentialLabel,
         exponentialBase,
         false,
         false,
         graph},
        {QStringLiteral("幂函数"),
         QStringLiteral("Y=X^a"),
         {QStringLiteral("a="), kNone, kNone},
         K::Power,
         f(K::Power),
         true,
         false,
         powerLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("正弦函数"),
         QStringLiteral("Y=Asin(wX+$)"),
         {QStringLiteral("A="), QStringLiteral("w="), QStringLiteral("$=")},
         K::Sine,
         f(K::Sine),
         false,
         false,
         sineLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("余弦函数"),
         QStringLiteral("Y=Acos(wX+$)"),
         {QStringLiteral("A="), QStringLiteral("w="), QStringLiteral("$=")},
         K::Cosine,
         f(K::Cosine),
         false,
         false,
         cosineLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("正切函数"),
         QStringLiteral("Y=tg(X)"),
         {kNone, kNone, kNone},
         K::Tangent,
         f(K::Tangent),
         true,
         false,
         tangentLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("余切函数"),
         QStringLiteral("Y=ctg(X)"),
         {kNone, kNone, kNone},
         K::Cotangent,
         f(K::Cotangent),
         true,
         false,
         cotangentLabel,
         anyBase,
         false,
         false,
         graph},
        {QStringLiteral("自定义函数"),
         QStringLiteral("Y="),
         {kNone, kNone, kNone},
         K::Formula,
         nullptr,
         true,
         false,
         noLabel,
         anyBase,
         false,
         true,
         FormulaPlotter::plot},
    }};
    return table;
}

const FunctionKind* FunctionCatalogue::find(const QString& item) {
    for (const FunctionKind& kind : kinds())
        if (kind.item == item) return &kind;
    return nullptr;
}

const FunctionKind* FunctionCatalogue::find(GraphKind graph) {
    for (const FunctionKind& kind : kinds())
        if (kind.graph == graph) return &kind;
    return nullptr;
}

}  // namespace zeto
