#include "tools/core/ExactRoots.h"

#include <cstdlib>
#include <initializer_list>
#include <numeric>

namespace zeto {
namespace {

constexpr std::int64_t kDisplayLimit = 1000000000000000;  // 10^15

bool fits(const ExactRoot& r) {
    return std::llabs(r.h) < kDisplayLimit && r.m < kDisplayLimit && r.n < kDisplayLimit &&
           std::llabs(r.fm) < kDisplayLimit;
}

}  // namespace

ExactRoots::ExactRoots(std::int64_t A, std::int64_t B, std::int64_t m, std::int64_t n) {
    first_.h = second_.h = -B;
    first_.fm = second_.fm = 2 * A;
    if (m != 0) {
        first_.sign = 1;
        second_.sign = -1;
        first_.m = second_.m = m;
        first_.n = second_.n = n;
    }
}

std::int64_t ExactRoots::byue(std::int64_t a, std::int64_t b) {
    return std::gcd(a, b);
}

void ExactRoots::YUEFEN() {
    chu_ = byue(byue(first_.h, first_.m), first_.fm);
    if (chu_ == 0) chu_ = 1;  // only for 2A = 0, which is not a quadratic
    for (ExactRoot* r : {&first_, &second_}) {
        r->h /= chu_;
        r->m /= chu_;
        r->fm /= chu_;
    }
}

void ExactRoots::reduceFraction(ExactRoot& root) {
    std::int64_t g = byue(root.h, root.fm);
    if (g == 0) return;
    root.h /= g;
    root.fm /= g;
}

void ExactRoots::YUEFEN1() {
    reduceFraction(first_);
}

void ExactRoots::YUEFEN2() {
    reduceFraction(second_);
}

void ExactRoots::settle(ExactRoot& root) {
    if (root.hasRadical() && root.n == 1) {
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
    if (!first_.hasRadical()) YUEFEN1();
    if (!second_.hasRadical()) YUEFEN2();
}

bool ExactRoots::fitsDisplay() const {
    return fits(first_) && fits(second_);
}

}  // namespace zeto
