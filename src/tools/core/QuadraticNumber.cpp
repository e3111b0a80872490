#include "tools/core/QuadraticNumber.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zeto {
namespace {

int signOf(const mpz_class& v) {
    return sgn(v) > 0 ? 1 : sgn(v) < 0 ? -1 : 0;
}

// The powers of ten that the rounding of everyday numbers needs, made once.
const std::array<mpz_class, 64>& smallPowersOfTen() {
    static const auto kPowers = [] {
        std::array<mpz_class, 64> powers;
        powers[0] = 1;
        for (size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 10;
        return powers;
    }();
    return kPowers;
}

void multiplyByPowerOfTen(mpz_class& v, unsigned long exponent) {
    const std::array<mpz_class, 64>& small = smallPowersOfTen();
    if (exponent < small.size()) {
        v *= small[exponent];
        return;
    }
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    v *= power;
}

// log2 |v| for v != 0, with the exponent kept apart so that no size overflows.
double log2Of(const mpz_class& v) {
    long exponent = 0;
    const double mantissa = mpz_get_d_2exp(&exponent, v.get_mpz_t());
    return std::log2(std::fabs(mantissa)) + static_cast<double>(exponent);
}

// log2(2^a + 2^b).
double log2Sum(double a, double b) {
    const double high = std::max(a, b);
    return high + std::log2(1 + std::exp2(std::min(a, b) - high));
}

}  // namespace

QuadraticNumber::QuadraticNumber(mpz_class p, int sign, mpz_class radicand, mpz_class q)
    : p_(std::move(p)), sign_(sign), radicand_(std::move(radicand)), q_(std::move(q)) {
    if (q_ < 0) {
        q_ = -q_;
        p_ = -p_;
        sign_ = -sign_;
    }
    if (sign_ == 0 || radicand_ == 0) {
        sign_ = 0;
        radicand_ = 0;
    } else if (mpz_perfect_square_p(radicand_.get_mpz_t())) {
        p_ += sign_ * sqrt(radicand_);
        sign_ = 0;
        radicand_ = 0;
    }
    valueSign_ = signOfValue();
}

QuadraticNumber QuadraticNumber::squareRootOf(double value) {
    const SignificantDigits decimal = significantDigits(value, 15);
    if (decimal.digits.empty() || decimal.negative) return {0, 0, 0, 1};
    // value = digits * 10^e, so sqrt(value) = sqrt(digits * 10^e) for e >= 0 and
    // sqrt(digits * 10^-e) / 10^-e for e < 0.
    const long e = decimal.exponent - static_cast<long>(decimal.digits.size()) + 1;
    mpz_class scale = 1;
    multiplyByPowerOfTen(scale, static_cast<unsigned long>(std::labs(e)));
    return {0, 1, mpz_class(decimal.digits) * scale, e < 0 ? scale : mpz_class(1)};
}

int QuadraticNumber::signOfValue() const {
    const int p = signOf(p_);
    if (sign_ == 0 || p == sign_) return p == 0 ? sign_ : p;
    if (p == 0) return sign_;
    // p and the root pull apart; the larger decides (they are never equal: the radicand is
    // not a square).
    return p_ * p_ > radicand_ ? p : sign_;
}

long QuadraticNumber::decimalExponentEstimate() const {
    double log2Value = 0;
    if (sign_ == 0) {
        log2Value = log2Of(p_);
    } else if (p_ == 0) {
        log2Value = log2Of(radicand_) / 2;
    } else {
        const double sum = log2Sum(log2Of(p_), log2Of(radicand_) / 2);
        // When p and the root pull apart, |p + root| = |p^2 - radicand| / (|p| + root) keeps
        // the digits that the difference would cancel.
        log2Value = signOf(p_) == sign_ ? sum : log2Of(mpz_class(p_ * p_ - radicand_)) - sum;
    }
    log2Value -= log2Of(q_);
    return static_cast<long>(std::floor(log2Value * std::log10(2.0)));
}

// With s = floor(sqrt(N)) and whole P, Q > 0: floor((P + sqrt(N)) / Q) = floor((P + s) / Q),
// because P + sqrt(N) lies below the next whole number after P + s; and for N not a square,
// floor((P - sqrt(N)) / Q) = floor((P - s - 1) / Q), because P - sqrt(N) lies strictly
// between P - s - 1 and P - s. So whole numbers alone give every digit exactly.
mpz_class QuadraticNumber::doubledFloor(long t, bool& exact) const {
    mpz_class numerator = p_;
    numerator <<= 1;
    mpz_class q = q_;
    if (t >= 0)
        multiplyByPowerOfTen(numerator, static_cast<unsigned long>(t));
    else
        multiplyByPowerOfTen(q, static_cast<unsigned long>(-t));
    if (sign_ != 0) {
        mpz_class root = radicand_;
        root <<= 2;
        if (t >= 0) multiplyByPowerOfTen(root, 2 * static_cast<unsigned long>(t));
        mpz_sqrt(root.get_mpz_t(), root.get_mpz_t());
        if (sign_ > 0) {
            numerator += root;
        } else {
            numerator -= root;
            numerator -= 1;
        }
    }
    mpz_class quotient;
    mpz_class remainder;
    mpz_fdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(), q.get_mpz_t());
    exact = sign_ == 0 && remainder == 0;
    if (valueSign_ < 0) {
        // floor(-y) = -ceil(y).
        if (!exact) quotient += 1;
        mpz_neg(quotient.get_mpz_t(), quotient.get_mpz_t());
    }
    return quotient;
}

SignificantDigits QuadraticNumber::rounded(int precision) const {
    SignificantDigits decimal;
    if (valueSign_ == 0) return decimal;
    const mpz_class& lowest = smallPowersOfTen().at(static_cast<size_t>(precision - 1));
    const mpz_class& highest = smallPowersOfTen().at(static_cast<size_t>(precision));
    // Scale so that the whole part of |value| * 10^t has exactly `precision` digits; the
    // estimate is off by at most one.
    long t = precision - 1 - decimalExponentEstimate();
    bool exact = false;
    mpz_class doubled;
    mpz_class whole;
    for (;;) {
        doubled = doubledFloor(t, exact);
        whole = doubled >> 1;
        if (whole < lowest)
            ++t;
        else if (whole >= highest)
            --t;
        else
            break;
    }
    // The bit shifted out is the half; with nothing below it, it is an exact tie.
    const bool half = mpz_odd_p(doubled.get_mpz_t()) != 0;
    if (half && !(exact && mpz_even_p(whole.get_mpz_t()))) ++whole;
    decimal.exponent = static_cast<int>(precision - 1 - t);
    if (whole == highest) {
        whole = lowest;
        ++decimal.exponent;
    }
    decimal.digits = whole.get_str();
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    decimal.negative = valueSign_ < 0;
    return decimal;
}

std::string QuadraticNumber::text() const {
    const SignificantDigits decimal = rounded(15);
    const std::string text = formatDigits(decimal, 15);
    // Doubles reach from about 4.9E-324 to 1.8E+308.
    if (decimal.digits.empty() || std::abs(decimal.exponent) < 300) return text;
    const double readBack = leadingNumber(text);
    if (!std::isfinite(readBack) || readBack == 0) return std::string();
    return text;
}

}  // namespace zeto
