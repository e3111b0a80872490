#include "plane/core/FunctionFormulas.h"

#include "platform/core/VbError.h"

#include <cmath>

namespace zeto {
namespace {

using Coefficients = std::array<double, 3>;

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

}  // namespace

FunctionFormula functionFormula(GraphKind kind) {
    switch (kind) {
        case GraphKind::Linear:
            return linear;
        case GraphKind::Quadratic:
            return quadratic;
        case GraphKind::Logarithm:
            return logarithm;
        case GraphKind::Exponential:
            return exponential;
        case GraphKind::Power:
            return powerOf;
        case GraphKind::Sine:
            return sine;
        case GraphKind::Cosine:
            return cosine;
        case GraphKind::Tangent:
            return tangent;
        case GraphKind::Cotangent:
            return cotangent;
        default:
            return nullptr;
    }
}

}  // namespace zeto
