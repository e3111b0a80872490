#include "functions/core/GraphRoutines.h"

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

const std::array<GraphRoutine, 9> kRoutines = {{
    {"comyicifun", 1, linear, false, linearLabel, true},
    {"comercifun", 2, quadratic, false, quadraticLabel, false},
    {"comlogfun", 3, logarithm, false, logarithmLabel, false},
    {"comzhishufun", 4, exponential, true, exponentialLabel, false},
    {"commifun", 5, powerOf, true, powerLabel, false},
    {"comsinfun", 6, sine, false, sineLabel, false},
    {"comcosfun", 7, cosine, false, cosineLabel, false},
    {"comtgfun", 8, tangent, true, tangentLabel, false},
    {"comctgfun", 9, cotangent, true, cotangentLabel, false},
}};

}  // namespace

const std::array<GraphRoutine, 9>& GraphRoutines::all() {
    return kRoutines;
}

std::optional<GraphRoutine> GraphRoutines::forKind(int funsort) {
    for (const GraphRoutine& r : kRoutines)
        if (r.funsort == funsort) return r;
    return std::nullopt;
}

}  // namespace zeto
