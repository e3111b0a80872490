#include "tools/core/ExactRoots.h"

#include <initializer_list>

namespace zeto {
namespace {

// Parts below this have at most 15 digits.
const mpz_class kDisplayLimit("1000000000000000");

bool fitsPart(const mpz_class& part) {
    return mpz_cmpabs(part.get_mpz_t(), kDisplayLimit.get_mpz_t()) < 0;
}

}  // namespace

ExactRoots::ExactRoots(const mpz_class& A, const mpz_class& B, const mpz_class& m,
                       const mpz_class& n) {
    first_.h = second_.h = -B;
    first_.fm = second_.fm = 2 * A;
    if (m != 0) {
        first_.sign = 1;
        second_.sign = -1;
        first_.m = second_.m = m;
        first_.n = second_.n = n;
    }
}

mpz_class ExactRoots::commonDivisor(const mpz_class& a, const mpz_class& b) {
    return gcd(a, b);
}

void ExactRoots::divideByCommonDivisor() {
    divisor_ = commonDivisor(commonDivisor(first_.h, first_.m), first_.fm);
    if (divisor_ == 0) divisor_ = 1;  // only for 2A = 0, which is not a quadratic
    for (Root* r : {&first_, &second_}) {
        mpz_divexact(r->h.get_mpz_t(), r->h.get_mpz_t(), divisor_.get_mpz_t());
        mpz_divexact(r->m.get_mpz_t(), r->m.get_mpz_t(), divisor_.get_mpz_t());
        mpz_divexact(r->fm.get_mpz_t(), r->fm.get_mpz_t(), divisor_.get_mpz_t());
    }
}

void ExactRoots::reduceFraction(Root& root) {
    const mpz_class g = commonDivisor(root.h, root.fm);
    if (g == 0) return;
    mpz_divexact(root.h.get_mpz_t(), root.h.get_mpz_t(), g.get_mpz_t());
    mpz_divexact(root.fm.get_mpz_t(), root.fm.get_mpz_t(), g.get_mpz_t());
}

void ExactRoots::reduceFirst() {
    reduceFraction(first_);
}

void ExactRoots::reduceSecond() {
    reduceFraction(second_);
}

void ExactRoots::settle(Root& root) {
    if (root.sign != 0 && root.n == 1) {
        root.h += root.sign * root.m;
        root.sign = 0;
        root.m = root.n = 0;
    }
    if (root.fm < 0) {
        root.fm = -root.fm;
        root.h = -root.h;
        root.sign = -root.sign;
    }
}

void ExactRoots::settle() {
    settle(first_);
    settle(second_);
    if (first_.sign == 0) reduceFirst();
    if (second_.sign == 0) reduceSecond();
}

bool ExactRoots::fits(const Root& root) {
    return fitsPart(root.h) && fitsPart(root.m) && fitsPart(root.n) && fitsPart(root.fm);
}

bool ExactRoots::fitsDisplay() const {
    return fits(first_) && fits(second_);
}

ExactRoot ExactRoots::shown(const Root& root) {
    return {root.h.get_si(), root.sign, root.m.get_si(), root.n.get_si(), root.fm.get_si()};
}

}  // namespace zeto
