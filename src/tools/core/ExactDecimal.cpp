#include "tools/core/ExactDecimal.h"

#include "platform/core/NumberText.h"

namespace zeto {

mpq_class ExactDecimal::of(double value) {
    const SignificantDigits decimal = significantDigits(value, 15);
    if (decimal.digits.empty()) return 0;
    mpq_class result(mpz_class(decimal.digits, 10));
    if (decimal.negative) result = -result;
    const long shift = decimal.exponent - static_cast<long>(decimal.digits.size()) + 1;
    const mpz_class scale = powerOfTen(static_cast<unsigned long>(shift < 0 ? -shift : shift));
    if (shift < 0)
        result /= scale;
    else
        result *= scale;
    result.canonicalize();
    return result;
}

mpz_class ExactDecimal::powerOfTen(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

}  // namespace zeto
