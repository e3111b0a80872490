#include "tools/core/WholeCoefficients.h"

#include "platform/core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zeto {

std::optional<std::array<mpz_class, 3>> WholeCoefficients::scale(double a, double b, double c) {
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
        mpz_class scale;
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(power[k] - lowest));
        whole[k] = digits[k] * scale;
        common = gcd(common, whole[k]);
    }
    if (common > 1)
        for (mpz_class& w : whole) mpz_divexact(w.get_mpz_t(), w.get_mpz_t(), common.get_mpz_t());
    return whole;
}

}  // namespace zeto
