#include "tools/core/QuadraticSolver.h"

#include "tools/core/WholeCoefficients.h"

#include <algorithm>
#include <cmath>

namespace zeto {
namespace {

using Kind = QuadraticSolution::Kind;

// The roots are worked out with the widest floating type at hand and rounded to double
// once at the end, so that a root's 15-digit text is that of the nearest double.
using Real = long double;

// b^2 - 4ac = scaled * 2^exponent. The powers of two are kept apart from the mantissas so
// that coefficients near the ends of the double range neither overflow nor vanish.
struct Discriminant {
    Real scaled = 0;
    int exponent = 0;
};

Discriminant discriminantOf(Real a, Real b, Real c) {
    int ea = 0;
    int eb = 0;
    int ec = 0;
    const Real ma = std::frexp(a, &ea);
    const Real mb = std::frexp(b, &eb);
    const Real mc = std::frexp(c, &ec);
    const Real square = mb * mb;
    const int squareExp = 2 * eb;
    const Real product = 4 * ma * mc;
    const int productExp = ea + ec;
    if (square == 0) return {-product, productExp};
    if (product == 0) return {square, squareExp};
    const int e = std::max(squareExp, productExp);
    return {std::ldexp(square, squareExp - e) - std::ldexp(product, productExp - e), e};
}

// sqrt(discriminant) / 2 for a non-negative discriminant.
Real halfRootOf(Discriminant d) {
    if (d.exponent % 2 != 0) {
        d.scaled *= 2;
        d.exponent -= 1;
    }
    return std::ldexp(std::sqrt(d.scaled), d.exponent / 2 - 1);
}

__int128 integerSqrt(__int128 value) {
    auto s = static_cast<__int128>(std::sqrt(static_cast<double>(value)));
    while (s > 0 && s * s > value) --s;
    while ((s + 1) * (s + 1) <= value) ++s;
    return s;
}

std::optional<double> finite(Real value) {
    const auto rounded = static_cast<double>(value);
    if (!std::isfinite(rounded)) return std::nullopt;
    return rounded;
}

}  // namespace

QuadraticSolver::QuadraticSolver(double a, double b, double c) : a_(a), b_(b), c_(c) {
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        kind_ = Kind::NotANumber;
        return;
    }
    if (a == 0) {
        kind_ = Kind::NotQuadratic;
        return;
    }
    whole_ = WholeCoefficients::scale(a, b, c);
    if (whole_) {
        const __int128 A = (*whole_)[0];
        const __int128 B = (*whole_)[1];
        const __int128 C = (*whole_)[2];
        discriminant_ = B * B - 4 * A * C;
        if (discriminant_ < 0) kind_ = Kind::NoRealRoots;
    } else if (discriminantOf(a, b, c).scaled < 0) {
        kind_ = Kind::NoRealRoots;
    }
}

std::optional<double> QuadraticSolver::radicand() const {
    if (kind_ != Kind::Roots || !whole_) return std::nullopt;
    if (discriminant_ <= 1 || discriminant_ > static_cast<__int128>(RadicalReducer::kExactLimit))
        return std::nullopt;
    return static_cast<double>(discriminant_);
}

QuadraticSolution QuadraticSolver::solve() const {
    Radical simplified;
    if (auto v = radicand()) simplified = RadicalReducer::reduce(*v);
    return solve(simplified);
}

QuadraticSolution QuadraticSolver::solve(const Radical& simplified) const {
    QuadraticSolution solution;
    solution.kind = kind_;
    if (kind_ != Kind::Roots) return solution;
    decimalRoots(solution);
    exactRoots(solution, simplified);
    return solution;
}

void QuadraticSolver::decimalRoots(QuadraticSolution& solution) const {
    Real a = a_;
    Real b = b_;
    Real c = c_;
    Real halfRoot = 0;
    if (whole_) {
        // The whole coefficients have the same roots, and their discriminant is exact.
        a = static_cast<Real>((*whole_)[0]);
        b = static_cast<Real>((*whole_)[1]);
        c = static_cast<Real>((*whole_)[2]);
        halfRoot = std::sqrt(static_cast<Real>(discriminant_)) / 2;
    } else {
        halfRoot = halfRootOf(discriminantOf(a, b, c));
    }
    if (b == 0) {
        // Two roots of equal size and opposite sign; nothing to cancel.
        solution.x1 = finite(halfRoot / a);
        solution.x2 = finite(-halfRoot / a);
        return;
    }
    // The root of larger size first, with no cancellation between b and the root of the
    // discriminant; the other from the product of the roots, c / a.
    const Real q = -(b / 2 + (b < 0 ? -halfRoot : halfRoot));
    if (halfRoot == 0 || q == 0) {
        solution.x1 = solution.x2 = finite(q / a);
        return;
    }
    const Real larger = q / a;
    const Real smaller = c / q;
    // With b >= 0 the larger root is the one with -sqrt(discriminant).
    solution.x1 = finite(b < 0 ? larger : smaller);
    solution.x2 = finite(b < 0 ? smaller : larger);
}

void QuadraticSolver::exactRoots(QuadraticSolution& solution, const Radical& simplified) const {
    if (!whole_) return;
    const std::int64_t A = (*whole_)[0];
    const std::int64_t B = (*whole_)[1];
    std::int64_t m = 0;
    std::int64_t n = 0;
    if (discriminant_ == 1) {
        m = n = 1;
    } else if (radicand()) {
        // The simplification comes from outside: use it only if it is one.
        if (simplified.m < 1 || simplified.r < 1 || simplified.m != std::floor(simplified.m) ||
            simplified.r != std::floor(simplified.r))
            return;
        m = static_cast<std::int64_t>(simplified.m);
        n = static_cast<std::int64_t>(simplified.r);
        if (static_cast<__int128>(m) * m * n != discriminant_) return;
    } else if (discriminant_ > 1) {
        // Too large to simplify: exact only when the root comes out whole.
        const __int128 s = integerSqrt(discriminant_);
        if (s * s != discriminant_) return;
        m = static_cast<std::int64_t>(s);
        n = 1;
    }
    ExactRoots roots(A, B, m, n);
    roots.YUEFEN();
    roots.settle();
    if (!roots.fitsDisplay()) return;
    solution.exact1 = roots.first();
    solution.exact2 = roots.second();
    solution.Chu = roots.Chu();
}

}  // namespace zeto
