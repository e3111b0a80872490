#include "tools/core/ExactRoots.h"
#include "tools/core/QuadraticSolver.h"
#include "tools/core/WholeCoefficients.h"

#include "platform/core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <random>

using zeto::ExactRoot;
using zeto::ExactRoots;
using zeto::QuadraticSolution;
using zeto::QuadraticSolver;
using zeto::WholeCoefficients;
using Kind = QuadraticSolution::Kind;

namespace {

std::string text(const std::optional<double>& v) {
    return v ? zeto::formatNumber(*v) : "-";
}

}  // namespace

TEST(QuadraticSolver, Kinds) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double a, b, c;
        Kind kind;
    } cases[] = {
        {0, 3, 1, Kind::NotQuadratic},
        {inf, 1, 1, Kind::NotANumber},
        {1, -inf, 1, Kind::NotANumber},
        {1, 2, 5, Kind::NoRealRoots},
        {1e300, 1e300, 1e300, Kind::NoRealRoots},  // whole 1, 1, 1
        {1e300, 1, 1, Kind::NoRealRoots},          // beyond whole numbers
        {1e-300, 0, 1e300, Kind::NoRealRoots},     // 4ac must not vanish
        {1, 2, 1, Kind::Roots},
    };
    for (const auto& c : cases) EXPECT_EQ(QuadraticSolver(c.a, c.b, c.c).kind(), c.kind) << c.a;
}

TEST(QuadraticSolver, RadicandIsTheDiscriminantToSimplify) {
    EXPECT_EQ(QuadraticSolver(1, 3, 1).radicand(), 5.0);
    EXPECT_EQ(QuadraticSolver(0.5, 1, -1.5).radicand(), 400.0);  // of 5, 10, -15
    EXPECT_FALSE(QuadraticSolver(1, -5, 6).radicand());          // 1 needs no simplifying
    EXPECT_FALSE(QuadraticSolver(1, -4, 4).radicand());
    EXPECT_FALSE(QuadraticSolver(1, 1e8, 1).radicand());  // beyond 2^53
    EXPECT_FALSE(QuadraticSolver(1, 1, 1).radicand());
}

TEST(QuadraticSolver, WrongSimplificationDropsTheExactForm) {
    const QuadraticSolution s = QuadraticSolver(1, 3, 1).solve({2, 2});
    EXPECT_FALSE(s.exact1);
    EXPECT_EQ(text(s.x1), "-0.381966011250105");
}

// For random whole equations the exact form, evaluated, is the decimal root, and it is in
// lowest terms.
TEST(QuadraticSolver, ExactFormMatchesDecimalAndIsReduced) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> coefficient(-60, 60);
    int checked = 0;
    while (checked < 2000) {
        const int a = coefficient(random);
        const int b = coefficient(random);
        const int c = coefficient(random);
        const QuadraticSolution s = QuadraticSolver(a, b, c).solve();
        if (s.kind != Kind::Roots) continue;
        ++checked;
        for (const auto& [exact, decimal] :
             {std::pair{s.exact1, s.x1}, std::pair{s.exact2, s.x2}}) {
            ASSERT_TRUE(exact && decimal);
            const ExactRoot& r = *exact;
            const long double value =
                (r.h + r.sign * r.m * std::sqrt(static_cast<long double>(r.n))) / r.fm;
            ASSERT_NEAR(value, *decimal, 1e-12L * (1 + std::fabs(*decimal)))
                << a << " " << b << " " << c;
            ASSERT_GT(r.fm, 0);
            if (r.hasRadical()) {
                ASSERT_EQ(std::gcd(std::gcd(r.h, r.m), r.fm), 1);
                for (std::int64_t d = 2; d * d <= r.n; ++d) ASSERT_NE(r.n % (d * d), 0);
                ASSERT_GT(r.n, 1);
            } else {
                ASSERT_EQ(std::gcd(r.h, r.fm), 1);
            }
        }
    }
}

TEST(WholeCoefficients, ScalesByOnePowerOfTen) {
    using Whole = std::array<std::int64_t, 3>;
    EXPECT_EQ(WholeCoefficients::scale(0.5, 1, -1.5), (Whole{5, 10, -15}));
    EXPECT_EQ(WholeCoefficients::scale(0.1, 0.3, 0.2), (Whole{1, 3, 2}));
    EXPECT_EQ(WholeCoefficients::scale(1e300, 2e300, 1e300), (Whole{1, 2, 1}));
    EXPECT_EQ(WholeCoefficients::scale(100, 0, -2500), (Whole{1, 0, -25}));
    EXPECT_EQ(WholeCoefficients::scale(1.25e-7, 1, 0), (Whole{125, 1000000000, 0}));
    EXPECT_FALSE(WholeCoefficients::scale(1, 1e-20, 1));
    EXPECT_FALSE(WholeCoefficients::scale(1, 1e300, 1));
    EXPECT_FALSE(WholeCoefficients::scale(1, std::nan(""), 1));
}

TEST(ExactRoots, ZeroPartLeavesTheOtherAsDivisor) {
    EXPECT_EQ(ExactRoots::byue(0, 6), 6);
    EXPECT_EQ(ExactRoots::byue(-4, 0), 4);
    EXPECT_EQ(ExactRoots::byue(-12, 18), 6);
}
