#include "tools/core/SquareFactorSearch.h"

#include <algorithm>
#include <numeric>

namespace zeto {
namespace {

// Trial division takes out the primes below this bound, or stops earlier once the rest is
// below the cube of the divisor reached.
constexpr unsigned long kTrialBound = 1000;

// Strong probable-prime tests to the first 13 primes are conclusive below this bound
// (Sorenson and Webster, 2015).
const unsigned long kBases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41};
const char* const kProvenBound = "3317044064679887385961981";

// Work allowed to the rho method for one split: a few milliseconds. A step costs one unit on
// numbers of one machine word and kLimbCost units per limb beyond. It finds prime factors up
// to about 10^9 of multi-limb numbers and practically every factor of one-word numbers.
constexpr long kRhoBudget = 1L << 19;
constexpr long kLimbCost = 6;

// Steps of the rho method between two greatest common divisors.
constexpr unsigned long kBatch = 64;

// Arithmetic modulo a number of one machine word, in double-word products.
struct WordModulus {
    using Number = unsigned long;
    using Wide = unsigned __int128;
    Number n;

    long stepCost() const { return 1; }
    Number mulMod(Number a, Number b) const { return static_cast<Number>(Wide{a} * b % n); }
    Number squarePlus(Number v, unsigned long c) const {
        return static_cast<Number>((Wide{v} * v + c) % n);
    }
    Number distance(Number a, Number b) const { return a > b ? a - b : b - a; }
    Number gcdWith(Number v) const { return std::gcd(v, n); }
    Number powMod(Number base, Number exponent) const {
        Number result = 1;
        for (base %= n; exponent > 0; exponent >>= 1, base = mulMod(base, base))
            if (exponent & 1) result = mulMod(result, base);
        return result;
    }
    static unsigned long trailingZeros(Number v) { return __builtin_ctzl(v); }
};

// The same for numbers of any size.
struct BigModulus {
    using Number = mpz_class;
    const mpz_class& n;

    long stepCost() const { return kLimbCost * static_cast<long>(mpz_size(n.get_mpz_t())); }
    Number mulMod(const Number& a, const Number& b) const {
        Number product = a * b;
        mpz_mod(product.get_mpz_t(), product.get_mpz_t(), n.get_mpz_t());
        return product;
    }
    Number squarePlus(const Number& v, unsigned long c) const {
        Number result = v * v + c;
        mpz_mod(result.get_mpz_t(), result.get_mpz_t(), n.get_mpz_t());
        return result;
    }
    Number distance(const Number& a, const Number& b) const { return abs(a - b); }
    Number gcdWith(const Number& v) const { return gcd(v, n); }
    Number powMod(const Number& base, const Number& exponent) const {
        Number result;
        mpz_powm(result.get_mpz_t(), base.get_mpz_t(), exponent.get_mpz_t(), n.get_mpz_t());
        return result;
    }
    static unsigned long trailingZeros(const Number& v) { return mpz_scan1(v.get_mpz_t(), 0); }
};

template <typename Modulus>
bool isStrongProbablePrime(const Modulus& modulus, unsigned long base) {
    using Number = typename Modulus::Number;
    const Number minusOne = modulus.n - 1;
    const unsigned long twos = Modulus::trailingZeros(minusOne);
    Number x = modulus.powMod(Number(base), Number(minusOne >> twos));
    if (x == 1 || x == minusOne) return true;
    for (unsigned long k = 1; k < twos; ++k) {
        x = modulus.mulMod(x, x);
        if (x == minusOne) return true;
        if (x == 1) return false;
    }
    return false;
}

// Brent's variant of the rho method, x -> x^2 + c, with the differences multiplied together
// so that one greatest common divisor serves a batch of steps.
template <typename Modulus>
std::optional<typename Modulus::Number> rhoFactor(const Modulus& modulus, long& budget) {
    using Number = typename Modulus::Number;
    const Number& n = modulus.n;
    const long cost = modulus.stepCost();
    Number x, y, saved, product, g;
    for (unsigned long c = 1; budget > 0; ++c) {
        auto step = [&](Number& v) {
            v = modulus.squarePlus(v, c);
            budget -= cost;
        };
        y = 2;
        product = 1;
        g = 1;
        for (unsigned long run = 1; g == 1 && budget > 0; run *= 2) {
            x = y;
            for (unsigned long k = 0; k < run; ++k) step(y);
            for (unsigned long done = 0; done < run && g == 1 && budget > 0; done += kBatch) {
                saved = y;
                for (unsigned long k = 0; k < std::min(kBatch, run - done); ++k) {
                    step(y);
                    product = modulus.mulMod(product, modulus.distance(x, y));
                }
                g = modulus.gcdWith(product);
            }
        }
        if (g == 1) return std::nullopt;
        if (g == n) {
            // The batch overshot: step through it again one difference at a time.
            do {
                step(saved);
                g = modulus.gcdWith(modulus.distance(x, saved));
            } while (g == 1);
        }
        if (g != n) return g;
    }
    return std::nullopt;
}

bool fitsWord(const mpz_class& n) {
    return mpz_fits_ulong_p(n.get_mpz_t()) != 0;
}

// The smallest b with n = b^j for some j >= 1.
mpz_class smallestRoot(mpz_class n) {
    mpz_class root;
    while (n > 1 && mpz_perfect_power_p(n.get_mpz_t())) {
        for (unsigned long j = 2;; ++j) {
            if (mpz_root(root.get_mpz_t(), n.get_mpz_t(), j) != 0) break;
        }
        n = root;
    }
    return n;
}

}  // namespace

WholeRadical SquareFactorSearch::split(const mpz_class& value) {
    if (value < 2) return {1, value, value >= 0};
    SquareFactorSearch search;
    search.rest_ = value;
    search.budget_ = kRhoBudget;
    search.divideOutSmallPrimes();
    if (search.rest_ > 1) search.divideOutLargePrimes();
    return search.result_;
}

void SquareFactorSearch::takeFactor(const mpz_class& p, unsigned long count) {
    mpz_class power;
    mpz_pow_ui(power.get_mpz_t(), p.get_mpz_t(), count / 2);
    result_.m *= power;
    if (count % 2 != 0) result_.r *= p;
}

void SquareFactorSearch::divideOutSmallPrimes() {
    mpz_class p;
    for (bound_ = 2; bound_ < kTrialBound; bound_ += bound_ == 2 ? 1 : 2) {
        if (rest_ < bound_ * bound_ * bound_) return;
        // Odd composites never divide: their prime factors are gone already.
        if (!mpz_divisible_ui_p(rest_.get_mpz_t(), bound_)) continue;
        p = bound_;
        takeFactor(p, mpz_remove(rest_.get_mpz_t(), rest_.get_mpz_t(), p.get_mpz_t()));
    }
}

void SquareFactorSearch::divideOutLargePrimes() {
    // Every prime factor of the rest is at least bound_, so below its cube the rest is a
    // prime, the square of a prime or the product of two different primes.
    const mpz_class cube = mpz_class(bound_) * bound_ * bound_;
    while (rest_ > 1) {
        if (mpz_perfect_square_p(rest_.get_mpz_t())) {
            result_.m *= sqrt(rest_);
            return;
        }
        if (rest_ < cube) {
            result_.r *= rest_;
            return;
        }
        const std::optional<mpz_class> p = primeFactorOf(smallestRoot(rest_));
        if (!p) {
            result_.r *= rest_;
            result_.squareFree = false;
            return;
        }
        takeFactor(*p, mpz_remove(rest_.get_mpz_t(), rest_.get_mpz_t(), p->get_mpz_t()));
    }
}

std::optional<mpz_class> SquareFactorSearch::primeFactorOf(mpz_class n) {
    const mpz_class square = mpz_class(bound_) * bound_;
    for (;;) {
        n = smallestRoot(n);
        if (n < square) return n;
        switch (primality(n)) {
            case Primality::Prime:
                return n;
            case Primality::Unproven:
                return std::nullopt;
            case Primality::Composite:
                break;
        }
        const std::optional<mpz_class> f = rhoFactor(n);
        if (!f) return std::nullopt;
        n = std::min(*f, mpz_class(n / *f));
    }
}

SquareFactorSearch::Primality SquareFactorSearch::primality(const mpz_class& n) {
    // Beyond the bound no number of bases proves a prime, so one base decides whether it is
    // worth looking for a factor.
    const bool provable = n < mpz_class(kProvenBound);
    for (unsigned long base : kBases) {
        const bool passes = fitsWord(n) ? isStrongProbablePrime(WordModulus{n.get_ui()}, base)
                                        : isStrongProbablePrime(BigModulus{n}, base);
        if (!passes) return Primality::Composite;
        if (!provable) return Primality::Unproven;
    }
    return Primality::Prime;
}

std::optional<mpz_class> SquareFactorSearch::rhoFactor(const mpz_class& n) {
    if (!fitsWord(n)) return zeto::rhoFactor(BigModulus{n}, budget_);
    const std::optional<unsigned long> f = zeto::rhoFactor(WordModulus{n.get_ui()}, budget_);
    if (!f) return std::nullopt;
    return mpz_class(*f);
}

}  // namespace zeto
