#include "tools/core/PrimeFactors.h"

#include <map>
#include <numeric>

namespace zeto {
namespace {

using u64 = unsigned long;
static_assert(sizeof(u64) == 8, "a GMP limb holds the 64-bit rest");
using u128 = unsigned __int128;

// Trial division takes out the primes below this.
constexpr unsigned long kTrialBound = 1000;

u64 mulMod(u64 a, u64 b, u64 n) {
    return static_cast<u64>(u128{a} * b % n);
}

u64 powMod(u64 base, u64 exponent, u64 n) {
    u64 result = 1;
    for (base %= n; exponent > 0; exponent >>= 1, base = mulMod(base, base, n))
        if (exponent & 1) result = mulMod(result, base, n);
    return result;
}

// Conclusive for every n below 2^64 (the first twelve primes suffice below 3.3 * 10^24).
bool isPrime(u64 n) {
    if (n < 2) return false;
    static const u64 kBases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (u64 p : kBases)
        if (n % p == 0) return n == p;
    const int twos = __builtin_ctzl(n - 1);
    const u64 odd = (n - 1) >> twos;
    for (u64 base : kBases) {
        u64 x = powMod(base, odd, n);
        if (x == 1 || x == n - 1) continue;
        bool composite = true;
        for (int k = 1; k < twos && composite; ++k) {
            x = mulMod(x, x, n);
            composite = x != n - 1;
        }
        if (composite) return false;
    }
    return true;
}

// A proper divisor of a composite n without small prime factors (Brent's rho).
u64 divisorOf(u64 n) {
    for (u64 c = 1;; ++c) {
        u64 x = 2;
        u64 y = 2;
        u64 d = 1;
        for (u64 run = 1; d == 1; run *= 2) {
            x = y;
            for (u64 k = 0; k < run && d == 1; ++k) {
                y = (mulMod(y, y, n) + c) % n;
                d = std::gcd(x > y ? x - y : y - x, n);
            }
        }
        if (d != n) return d;
    }
}

void split(u64 n, std::map<u64, unsigned long>& found) {
    if (n == 1) return;
    if (isPrime(n)) {
        ++found[n];
        return;
    }
    const u64 d = divisorOf(n);
    split(d, found);
    split(n / d, found);
}

}  // namespace

std::optional<std::vector<PrimeFactors::Power>> PrimeFactors::of(const mpz_class& value) {
    std::vector<Power> powers;
    mpz_class rest = value;
    for (unsigned long p = 2; p < kTrialBound && rest > 1; p += p == 2 ? 1 : 2) {
        if (mpz_divisible_ui_p(rest.get_mpz_t(), p) == 0) continue;
        const mpz_class prime = p;
        powers.push_back(
            {prime, mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), prime.get_mpz_t())});
    }
    if (rest == 1) return powers;
    if (mpz_sizeinbase(rest.get_mpz_t(), 2) > 64) return std::nullopt;
    std::map<u64, unsigned long> found;
    split(rest.get_ui(), found);
    for (const auto& [prime, exponent] : found)
        powers.push_back({mpz_class(static_cast<unsigned long>(prime)), exponent});
    return powers;
}

}  // namespace zeto
