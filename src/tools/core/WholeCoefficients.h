#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>

namespace zeto {

// Turns the coefficients of an equation into whole numbers with the same ratios and no common
// factor, so that the roots can be worked out exactly: each coefficient is taken as the
// decimal number its text shows (15 significant digits), all three are multiplied by the one
// power of ten that makes them whole, and their greatest common divisor is divided out. The
// signs stay as typed. 0.5, 1, -1.5 become 1, 2, -3; 7, 98000000, 7 become 1, 14000000, 1;
// 1E+300, 2E+300, 1E+300 become 1, 2, 1.
class WholeCoefficients {
  public:
    // Nothing when a coefficient is not finite.
    static std::optional<std::array<mpz_class, 3>> scale(double a, double b, double c);
};

}  // namespace zeto
