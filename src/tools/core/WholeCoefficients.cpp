#include "tools/core/WholeCoefficients.h"

#include "platform/core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace zeto {

namespace {

// Whole numbers below 10^15 are their own 15-digit text.
bool isSmallWhole(double v) {
    return v == std::floor(v) && std::fabs(v) < 1e15;
}

}  // namespace

std::optional<std::array<mpz_class, 3>> WholeCoefficients::scale(double a, double b, double c) {
    if (isSmallWhole(a) && isSmallWhole(b) && isSmallWhole(c)) {
        // The everyday case needs neither digits nor numbers beyond a long.
        long whole[3] = {static_cast<long>(a), static_cast<long>(b), static_cast<long>(c)};
        const long common = std::gcd(std::gcd(whole[0], whole[1]), whole[2]);
        if (common > 1)
            for (long& w : whole) w /= common;
        return std::array<mpz_class, 3>{whole[0], whole[1], whole[2]};
    }
    const double values[3] = {a, b, c};
    // Each coefficient as digits * 10^power, the digits a whole number.
    mpz_class digits[3];
    int power[3] = {};
    int lowest = 0;
    bool any = false;
    for (int k = 0; k < 3; ++k) {
        if (!std::isfinite(values[k])) return std::nullopt;
        const SignificantDigits decimal = significantDigits(values[k], 15);
        if (decimal.digits.empty()) continue;
        // At most 15 digits, so they fit a long.
        const long whole = std::stol(decimal.digits);
        digits[k] = decimal.negative ? -whole : whole;
        power[k] = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;
        lowest = any ? std::min(lowest, power[k]) : power[k];
        any = true;
    }
    std::array<mpz_class, 3> whole;
    mpz_class common = 0;
    for (int k = 0; k < 3; ++k) {
        if (digits[k] == 0) continue;
        whole[k] = digits[k];
        if (power[k] > lowest) {
            mpz_class scale;
            mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(power[k] - lowest));
            whole[k] *= scale;
        }
        mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), whole[k].get_mpz_t());
    }
    if (common > 1)
        for (mpz_class& w : whole) mpz_divexact(w.get_mpz_t(), w.get_mpz_t(), common.get_mpz_t());
    return whole;
}

}  // namespace zeto
