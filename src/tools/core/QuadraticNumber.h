#pragma once

#include "platform/core/NumberText.h"

#include <gmpxx.h>

#include <string>

namespace zeto {

// A number (p + sign * sqrt(radicand)) / q held exactly, as the roots of a quadratic equation
// and the square roots of decimals are. Its decimal digits are worked out in whole numbers,
// so every digit shown is certain.
class QuadraticNumber {
  public:
    // q != 0, radicand >= 0, sign -1, 0 or +1.
    QuadraticNumber(mpz_class p, int sign, mpz_class radicand, mpz_class q);

    // The square root of a finite value >= 0 taken as the decimal its text shows.
    static QuadraticNumber squareRootOf(double value);

    // -1, 0 or +1.
    int sign() const { return valueSign_; }

    // Rounded to the nearest decimal of `precision` significant digits, an exact tie to the
    // even last digit, as the text form of doubles rounds.
    SignificantDigits rounded(int precision) const;

    // The text form (15 significant digits); empty when the value is beyond the range of
    // doubles, where the program could not read its own text back.
    std::string text() const;

  private:
    // floor(2 * |value| * 10^t), and whether that is exact.
    mpz_class doubledFloor(long t, bool& exact) const;
    int signOfValue() const;
    // floor(log10 |value|), possibly one off near a power of ten; the value is not 0.
    long decimalExponentEstimate() const;

    mpz_class p_;
    int sign_ = 0;
    mpz_class radicand_;  // not a perfect square unless it and sign_ are 0
    mpz_class q_;         // > 0
    int valueSign_ = 0;
};

}  // namespace zeto
