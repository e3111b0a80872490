#include "tools/core/SequenceMath.h"

#include "platform/core/NumberText.h"

#include <cmath>

namespace zeto {
namespace {

std::optional<double> finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// What a value becomes once written out and read back: 15 significant digits.
std::optional<double> throughText(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return leadingNumber(formatNumber(value));
}

}  // namespace

std::optional<double> arithmeticTerm(double a1, double d, double i) {
    return finite(a1 + (i - 1) * d);
}

std::optional<double> geometricTerm(double a1, double q, double i) {
    auto power = throughText(std::pow(q, i - 1));
    if (!power) return std::nullopt;
    return finite(*power * a1);
}

std::optional<double> arithmeticSum(double a1, double d, double n) {
    return throughText(n * a1 + (n - 1) * n * d / 2);
}

std::optional<double> geometricSum(double a1, double q, double n) {
    auto power = throughText(std::pow(q, n));
    if (!power) return std::nullopt;
    if (q == 1) return finite(n * a1);
    return finite((1 - *power) * a1 / (1 - q));
}

}  // namespace zeto
