#pragma once

#include <gmpxx.h>

namespace zeto {

// A double as the decimal number its text shows (15 significant digits), held exactly: the
// number a user reads on the page and reasons with, not the binary fraction behind it.
class ExactDecimal {
  public:
    // value is finite.
    static mpq_class of(double value);
    // 10^exponent.
    static mpz_class powerOfTen(unsigned long exponent);
};

}  // namespace zeto
