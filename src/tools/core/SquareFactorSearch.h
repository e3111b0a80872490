#pragma once

#include "tools/core/RadicalReducer.h"

#include <gmpxx.h>

#include <optional>

namespace zeto {

// Splits a whole number of any size into m^2 * r. Small prime factors are found by trial
// division and larger ones by Pollard's rho method; a prime is proven by strong
// probable-prime tests to bases known to be conclusive below about 3.3 * 10^24. The work is
// bounded: a part that within it can neither be split nor proven prime stays in r, and the
// result then says that r may still hold a square factor.
class SquareFactorSearch {
  public:
    static WholeRadical split(const mpz_class& value);

  private:
    enum class Primality { Composite, Prime, Unproven };

    SquareFactorSearch() = default;
    void divideOutSmallPrimes();
    void divideOutLargePrimes();
    // A prime factor of n, which has no prime factor below bound_.
    std::optional<mpz_class> primeFactorOf(mpz_class n);
    std::optional<mpz_class> rhoFactor(const mpz_class& n);
    static Primality primality(const mpz_class& n);
    void takeFactor(const mpz_class& p, unsigned long count);

    mpz_class rest_;
    unsigned long bound_ = 2;  // no prime below it divides rest_
    WholeRadical result_{1, 1, true};
    long budget_ = 0;
};

}  // namespace zeto
