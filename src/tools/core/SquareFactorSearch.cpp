#include "tools/core/SquareFactorSearch.h"

#include <algorithm>

namespace zeto {
namespace {

// Trial division takes out the primes below this bound, or stops earlier once the rest is
// below the cube of the divisor reached.
constexpr unsigned long kTrialBound = 1000;

// Strong probable-prime tests to the first 13 primes are conclusive below this bound
// (Sorenson and Webster, 2015).
const unsigned long kBases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41};
const char* const kProvenBound = "3317044064679887385961981";

// Work allowed to the rho method for one split, in steps times limbs of the number split: a
// few milliseconds. It finds prime factors up to about 10^9 with fair certainty.
constexpr long kRhoBudget = 1L << 17;

// Steps of the rho method between two greatest common divisors.
constexpr unsigned long kBatch = 64;

bool isStrongProbablePrime(const mpz_class& n, unsigned long base, const mpz_class& odd,
                           unsigned long twos) {
    mpz_class x = base;
    mpz_powm(x.get_mpz_t(), x.get_mpz_t(), odd.get_mpz_t(), n.get_mpz_t());
    const mpz_class minusOne = n - 1;
    if (x == 1 || x == minusOne) return true;
    for (unsigned long k = 1; k < twos; ++k) {
        mpz_powm_ui(x.get_mpz_t(), x.get_mpz_t(), 2, n.get_mpz_t());
        if (x == minusOne) return true;
        if (x == 1) return false;
    }
    return false;
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
    const mpz_class nMinusOne = n - 1;
    const unsigned long twos = mpz_scan1(nMinusOne.get_mpz_t(), 0);
    const mpz_class odd = nMinusOne >> twos;
    // Beyond the bound no number of bases proves a prime, so one base decides whether it is
    // worth looking for a factor.
    const bool provable = n < mpz_class(kProvenBound);
    for (unsigned long base : kBases) {
        if (!isStrongProbablePrime(n, base, odd, twos)) return Primality::Composite;
        if (!provable) return Primality::Unproven;
    }
    return Primality::Prime;
}

// Brent's variant of the rho method, x -> x^2 + c, with the differences multiplied together
// so that one greatest common divisor serves a batch of steps.
std::optional<mpz_class> SquareFactorSearch::rhoFactor(const mpz_class& n) {
    const long cost = static_cast<long>(mpz_size(n.get_mpz_t()));
    mpz_class x, y, saved, product, difference, g;
    for (unsigned long c = 1; budget_ > 0; ++c) {
        auto step = [&](mpz_class& v) {
            mpz_mul(v.get_mpz_t(), v.get_mpz_t(), v.get_mpz_t());
            mpz_add_ui(v.get_mpz_t(), v.get_mpz_t(), c);
            mpz_mod(v.get_mpz_t(), v.get_mpz_t(), n.get_mpz_t());
            budget_ -= cost;
        };
        y = 2;
        product = 1;
        g = 1;
        for (unsigned long run = 1; g == 1 && budget_ > 0; run *= 2) {
            x = y;
            for (unsigned long k = 0; k < run; ++k) step(y);
            for (unsigned long done = 0; done < run && g == 1 && budget_ > 0; done += kBatch) {
                saved = y;
                for (unsigned long k = 0; k < std::min(kBatch, run - done); ++k) {
                    step(y);
                    difference = x - y;
                    product *= difference;
                    mpz_mod(product.get_mpz_t(), product.get_mpz_t(), n.get_mpz_t());
                }
                g = gcd(product, n);
            }
        }
        if (g == 1) return std::nullopt;
        if (g == n) {
            // The batch overshot: step through it again one difference at a time.
            do {
                step(saved);
                g = gcd(mpz_class(x - saved), n);
            } while (g == 1);
        }
        if (g != n) return g;
    }
    return std::nullopt;
}

}  // namespace zeto
