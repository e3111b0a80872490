#include "tools/core/WholeCoefficients.h"

#include "platform/core/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zeto {
namespace {

// A decimal number as digits * 10^exponent, digits without trailing zeros.
struct Decimal {
    std::int64_t digits = 0;
    int exponent = 0;
};

Decimal decimalOf(double value) {
    const std::string text = formatNumber(value);
    Decimal d;
    bool negative = false;
    bool afterPoint = false;
    for (size_t p = 0; p < text.size(); ++p) {
        char ch = text[p];
        if (ch == '-') {
            negative = true;
        } else if (ch == '.') {
            afterPoint = true;
        } else if (std::isdigit(static_cast<unsigned char>(ch))) {
            d.digits = d.digits * 10 + (ch - '0');
            if (afterPoint) --d.exponent;
        } else if (ch == 'E') {
            d.exponent += std::atoi(text.c_str() + p + 1);
            break;
        }
    }
    while (d.digits != 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    if (negative) d.digits = -d.digits;
    return d;
}

}  // namespace

std::optional<std::array<std::int64_t, 3>> WholeCoefficients::scale(double a, double b, double c) {
    const double values[3] = {a, b, c};
    Decimal decimals[3];
    int lowest = 0;
    bool any = false;
    for (int k = 0; k < 3; ++k) {
        if (!std::isfinite(values[k])) return std::nullopt;
        decimals[k] = decimalOf(values[k]);
        if (decimals[k].digits == 0) continue;
        lowest = any ? std::min(lowest, decimals[k].exponent) : decimals[k].exponent;
        any = true;
    }
    std::array<std::int64_t, 3> whole{};
    for (int k = 0; k < 3; ++k) {
        std::int64_t v = decimals[k].digits;
        if (v == 0) continue;
        for (int shift = decimals[k].exponent - lowest; shift > 0; --shift) {
            if (std::llabs(v) > kLimit / 10) return std::nullopt;
            v *= 10;
        }
        if (std::llabs(v) > kLimit) return std::nullopt;
        whole[k] = v;
    }
    return whole;
}

}  // namespace zeto
