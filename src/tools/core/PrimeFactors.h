#pragma once

#include <gmpxx.h>

#include <optional>
#include <vector>

namespace zeto {

// The prime factorisation a student writes down before taking square factors out of a root:
// 72 = 2³ × 3². Small primes come out by trial division; what is left must fit in 64 bits,
// where primes are proven by strong probable-prime tests to a fixed set of bases and
// composites split by Pollard's rho method. The radicands the program meets are decimals of
// at most 15 significant digits, so apart from powers of 2 and 5 they always fit.
class PrimeFactors {
  public:
    struct Power {
        mpz_class prime;
        unsigned long exponent = 0;
    };

    // The prime powers of value >= 2, smallest prime first; nothing when a part beyond 64 bits
    // is left after the small primes.
    static std::optional<std::vector<Power>> of(const mpz_class& value);
};

}  // namespace zeto
