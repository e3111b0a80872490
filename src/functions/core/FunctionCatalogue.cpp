#include "functions/core/FunctionKind.h"

#include "functions/core/FormulaPlotter.h"
#include "functions/core/GraphPlotter.h"
#include "plane/core/PlotSweep.h"
#include "platform/core/VbError.h"

#include <cmath>

namespace zeto {
namespace {

// The arithmetic of the program's numbers: a result that is not a number, or beyond the
// range of numbers, is an overflow, never a value to draw.
double checked(double value) {
    if (!std::isfinite(value)) throw VbError(VbError::Overflow);
    return value;
}

double power(double base, double exponent) {
    // A negative base has no real power for a fractional exponent, and zero none for a
    // negative one.
    if ((base < 0 && exponent != std::floor(exponent)) || (base == 0 && exponent < 0))
        throw VbError(VbError::InvalidProcedureCall);
    return checked(std::pow(base, exponent));
}

double naturalLog(double x) {
    if (x <= 0) throw VbError(VbError::InvalidProcedureCall);
    return std::log(x);
}

double divide(double a, double b) {
    if (b == 0) throw VbError(VbError::DivisionByZero);
    return checked(a / b);
}

double linear(double x, const Coefficients& c) {
    return checked(c[0] * x + c[1]);
}
double quadratic(double x, const Coefficients& c) {
    return checked(c[0] * power(x, 2) + c[1] * x + c[2]);
}
double logarithm(double x, const Coefficients& c) {
    return divide(naturalLog(x), naturalLog(c[0]));
}
double exponential(double x, const Coefficients& c) {
    return power(c[0], x);
}
double powerOf(double x, const Coefficients& c) {
    return power(x, c[0]);
}
double sine(double x, const Coefficients& c) {
    return checked(c[0] * std::sin(checked(c[1] * x + c[2])));
}
double cosine(double x, const Coefficients& c) {
    return checked(c[0] * std::cos(checked(c[1] * x + c[2])));
}
double tangent(double x, const Coefficients&) {
    return checked(std::tan(x));
}
double cotangent(double x, const Coefficients&) {
    return divide(1, std::tan(x));
}

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
    static const std::array<FunctionKind, 10> table = {{
        {QStringLiteral("一次函数"),
         QStringLiteral("Y=KX+B"),
         {QStringLiteral("K="), QStringLiteral("B="), kNone},
         K::Linear,
         linear,
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
         quadratic,
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
         logarithm,
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
         exponential,
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
         powerOf,
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
         sine,
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
         cosine,
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
         tangent,
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
         cotangent,
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
