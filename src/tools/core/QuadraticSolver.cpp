#include "tools/core/QuadraticSolver.h"

#include "tools/core/QuadraticNumber.h"
#include "tools/core/WholeCoefficients.h"

#include <cmath>

namespace zeto {
namespace {

using Kind = QuadraticSolution::Kind;

// Every part of a displayed root stays below this.
const mpz_class kDisplayLimit("1000000000000000");
const mpz_class kDisplayLimitCubed = kDisplayLimit * kDisplayLimit * kDisplayLimit;
const mpz_class kHalfDisplayLimit = kDisplayLimit / 2;

}  // namespace

QuadraticSolver::QuadraticSolver(double a, double b, double c) {
    const std::optional<std::array<mpz_class, 3>> whole = WholeCoefficients::scale(a, b, c);
    if (!whole) {
        kind_ = Kind::NotANumber;
        return;
    }
    if (a == 0) {
        kind_ = Kind::NotQuadratic;
        return;
    }
    whole_ = *whole;
    const auto& [A, B, C] = whole_;
    discriminant_ = B * B - 4 * A * C;
    if (discriminant_ < 0) {
        kind_ = Kind::NoRealRoots;
        return;
    }
    // A square needs no simplifying to be certain; it only has to be found square.
    simplify_ =
        discriminant_ > 1 && (mpz_perfect_square_p(discriminant_.get_mpz_t()) != 0 || mightFit());
}

// The roots reduce to (h ± m sqrt(n)) / fm with h = -B/g, fm = 2A/g and m^2 n = D/g^2 for
// some g dividing both B and 2A; so parts that do not fit even for g = gcd(B, 2A) never will.
bool QuadraticSolver::mightFit() const {
    const mpz_class& A = whole_[0];
    const mpz_class& B = whole_[1];
    // Parts that fit as they stand need no common divisor worked out.
    if (mpz_cmpabs(B.get_mpz_t(), kDisplayLimit.get_mpz_t()) < 0 &&
        mpz_cmpabs(A.get_mpz_t(), kHalfDisplayLimit.get_mpz_t()) < 0 &&
        discriminant_ < kDisplayLimitCubed)
        return true;
    const mpz_class twoA = 2 * A;
    const mpz_class g = gcd(B, twoA);
    const mpz_class scaledLimit = kDisplayLimit * g;
    return abs(B) < scaledLimit && abs(twoA) < scaledLimit &&
           discriminant_ < kDisplayLimitCubed * g * g;
}

std::optional<mpz_class> QuadraticSolver::radicand() const {
    if (!simplify_) return std::nullopt;
    return discriminant_;
}

QuadraticSolution QuadraticSolver::solve() const {
    WholeRadical simplified;
    if (const std::optional<mpz_class> value = radicand())
        simplified = RadicalReducer::reduce(*value);
    return solve(simplified);
}

QuadraticSolution QuadraticSolver::solve(const WholeRadical& simplified) const {
    QuadraticSolution solution;
    solution.kind = kind_;
    if (kind_ != Kind::Roots) return solution;
    const mpz_class& A = whole_[0];
    const mpz_class& B = whole_[1];
    solution.x1 = QuadraticNumber(-B, 1, discriminant_, 2 * A).text();
    solution.x2 = QuadraticNumber(-B, -1, discriminant_, 2 * A).text();
    exactRoots(solution, simplified);
    return solution;
}

void QuadraticSolver::exactRoots(QuadraticSolution& solution,
                                 const WholeRadical& simplified) const {
    mpz_class m = 0;
    mpz_class n = 0;
    if (discriminant_ == 1) {
        m = n = 1;
    } else if (simplify_) {
        // The simplification comes from outside: use it only if it is a complete one.
        if (!simplified.squareFree || simplified.m < 1 || simplified.r < 1 ||
            simplified.m * simplified.m * simplified.r != discriminant_)
            return;
        m = simplified.m;
        n = simplified.r;
    } else if (discriminant_ != 0) {
        return;
    }
    ExactRoots roots(whole_[0], whole_[1], m, n);
    roots.divideByCommonDivisor();
    roots.settle();
    if (!roots.fitsDisplay()) return;
    solution.exact1 = roots.first();
    solution.exact2 = roots.second();
    solution.commonDivisor = roots.divisor().get_d();
}

}  // namespace zeto
