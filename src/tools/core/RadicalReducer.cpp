#include "tools/core/RadicalReducer.h"

#include "tools/core/SquareFactorSearch.h"

#include <cmath>

namespace zeto {
namespace {

using u64 = unsigned long long;

u64 integerSqrt(u64 value) {
    u64 s = static_cast<u64>(std::sqrt(static_cast<double>(value)));
    while (s > 0 && s * s > value) --s;
    while ((s + 1) * (s + 1) <= value) ++s;
    return s;
}

// Divides every factor d out of rest, moving pairs into m and a leftover single into r.
void takeFactor(u64 d, u64& rest, u64& m, u64& r) {
    bool odd = false;
    while (rest % d == 0) {
        rest /= d;
        if (odd) m *= d;
        odd = !odd;
    }
    if (odd) r *= d;
}

}  // namespace

Radical RadicalReducer::reduce(double value) {
    const bool whole = value >= 0 && value <= kExactLimit && value == std::floor(value);
    if (!whole) return {1, value};
    u64 m = 1;
    u64 r = 1;
    reduce(static_cast<u64>(value), m, r);
    return {static_cast<double>(m), static_cast<double>(r)};
}

WholeRadical RadicalReducer::reduce(const mpz_class& value) {
    if (value < 0) return {1, value, false};
    if (value > static_cast<unsigned long>(kExactLimit)) return SquareFactorSearch::split(value);
    u64 m = 1;
    u64 r = 1;
    reduce(value.get_ui(), m, r);
    return {static_cast<unsigned long>(m), static_cast<unsigned long>(r), true};
}

void RadicalReducer::reduce(u64 value, u64& m, u64& r) {
    m = 1;
    r = 1;
    if (value < 2) {
        r = value;
        return;
    }
    u64 rest = value;
    takeFactor(2, rest, m, r);
    takeFactor(3, rest, m, r);
    // Trial division only up to the cube root of what is left: once every prime below d is
    // gone and rest < d^3, rest has at most two prime factors, so it is 1, a prime, the
    // square of a prime or a product of two different primes. Only the square has a pair.
    for (u64 d = 5; d * d * d <= rest; d += 6) {
        if (rest % d == 0) takeFactor(d, rest, m, r);
        if (rest % (d + 2) == 0) takeFactor(d + 2, rest, m, r);
    }
    if (rest > 1) {
        u64 s = integerSqrt(rest);
        if (s * s == rest)
            m *= s;
        else
            r *= rest;
    }
}

}  // namespace zeto
