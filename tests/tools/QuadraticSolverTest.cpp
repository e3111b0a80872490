#include "tools/core/QuadraticSolver.h"
#include "tools/core/WholeCoefficients.h"

#include "platform/core/NumberText.h"

#include <gmpxx.h>
#include <mpfr.h>

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <random>
#include <string>

using zeto::ExactRoot;
using zeto::QuadraticSolution;
using zeto::QuadraticSolver;
using zeto::WholeCoefficients;
using Kind = QuadraticSolution::Kind;

namespace {

mpz_class power10(long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(e));
    return p;
}

// The first 40 significant digits of x, cut off, and the exponent of the first; exact when
// nothing follows them.
struct LongDigits {
    bool negative = false;
    std::string digits;
    long exponent = 0;
    bool exact = false;
};

// x = p / q, by long division.
LongDigits digitsOf(const mpz_class& p, const mpz_class& q) {
    long e = static_cast<long>(mpz_sizeinbase(p.get_mpz_t(), 10)) -
             static_cast<long>(mpz_sizeinbase(q.get_mpz_t(), 10));
    for (;;) {
        mpz_class num = abs(p);
        mpz_class den = abs(q);
        if (e <= 39)
            num *= power10(39 - e);
        else
            den *= power10(e - 39);
        mpz_class quotient;
        mpz_class remainder;
        mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), num.get_mpz_t(), den.get_mpz_t());
        if (quotient < power10(39))
            --e;
        else if (quotient >= power10(40))
            ++e;
        else
            return {sgn(p) * sgn(q) < 0, quotient.get_str(), e, remainder == 0};
    }
}

// x = (p + sign * sqrt(d)) / q for d not a square, with MPFR at 4096 bits: far more than 40
// digits need even after p and the root cancel.
LongDigits digitsOf(const mpz_class& p, int sign, const mpz_class& d, const mpz_class& q) {
    mpfr_t x;
    mpfr_t root;
    mpfr_inits2(4096, x, root, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_z(root, d.get_mpz_t(), MPFR_RNDN);
    mpfr_sqrt(root, root, MPFR_RNDN);
    mpfr_set_z(x, p.get_mpz_t(), MPFR_RNDN);
    if (sign > 0)
        mpfr_add(x, x, root, MPFR_RNDN);
    else
        mpfr_sub(x, x, root, MPFR_RNDN);
    mpfr_div_z(x, x, q.get_mpz_t(), MPFR_RNDN);
    const bool negative = mpfr_sgn(x) < 0;
    mpfr_abs(x, x, MPFR_RNDN);
    mpfr_exp_t exponent = 0;
    char* text = mpfr_get_str(nullptr, &exponent, 10, 40, x, MPFR_RNDZ);
    LongDigits digits{negative, text, static_cast<long>(exponent) - 1, false};
    mpfr_free_str(text);
    mpfr_clears(x, root, static_cast<mpfr_ptr>(nullptr));
    return digits;
}

// Rounds to 15 digits, to nearest, an exact tie to the even digit, and writes the text form.
std::string textOf(const LongDigits& d) {
    std::string head = d.digits.substr(0, 15);
    const std::string tail = d.digits.substr(15);
    const bool tie = tail == "5" + std::string(tail.size() - 1, '0') && d.exact;
    bool up = tail > "5" + std::string(tail.size() - 1, '0') || (tail[0] == '5' && !tie);
    if (tie) up = (head.back() - '0') % 2 != 0;
    long exponent = d.exponent;
    if (up) {
        int k = 14;
        for (; k >= 0 && head[k] == '9'; --k) head[k] = '0';
        if (k < 0) {
            head = "1" + head.substr(0, 14);
            ++exponent;
        } else {
            ++head[k];
        }
    }
    head.erase(head.find_last_not_of('0') + 1);
    return zeto::formatDigits({d.negative, head, static_cast<int>(exponent)}, 15);
}

// A coefficient as the user types it: whole * 10^-decimals.
struct Typed {
    mpz_class whole;
    long decimals = 0;
    double value() const {
        return zeto::leadingNumber(whole.get_str() + "e-" + std::to_string(decimals));
    }
};

// A root as the page should show it, with parts of any size.
struct Exact {
    mpz_class h;
    int sign = 0;
    mpz_class m;
    mpz_class n;
    mpz_class fm = 1;
};

bool fits(const Exact& r) {
    const mpz_class limit = power10(15);
    return abs(r.h) < limit && r.m < limit && r.n < limit && r.fm < limit;
}

Exact fraction(mpz_class p, mpz_class q) {
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const mpz_class g = gcd(p, q);
    return {p / g, 0, 0, 0, q / g};
}

bool squareFree(const mpz_class& n) {
    mpz_class rest = n;
    for (unsigned long d = 2; d * d * d <= rest; ++d) {
        if (mpz_divisible_ui_p(rest.get_mpz_t(), d * d)) return false;
        while (mpz_divisible_ui_p(rest.get_mpz_t(), d)) rest /= d;
    }
    return !mpz_perfect_square_p(rest.get_mpz_t()) || rest == 1;
}

// Solves a*X^2 + b*X + c = 0 as typed and checks every claim of the answer against exact
// arithmetic: the kind by the sign of the discriminant, each decimal against the true root
// rounded independently, and any exact form shown against the root itself. `expected`, known
// from how the equation was built, also demands the exact form wherever it fits.
void check(const std::array<Typed, 3>& typed,
           const std::optional<std::array<Exact, 2>>& expected = std::nullopt) {
    long decimals = 0;
    for (const Typed& t : typed) decimals = std::max(decimals, t.decimals);
    mpz_class whole[3];
    for (int k = 0; k < 3; ++k) whole[k] = typed[k].whole * power10(decimals - typed[k].decimals);
    const mpz_class &A = whole[0], &B = whole[1], &C = whole[2];
    const mpz_class D = B * B - 4 * A * C;
    const std::string equation =
        typed[0].whole.get_str() + "e-" + std::to_string(typed[0].decimals) + ", " +
        typed[1].whole.get_str() + "e-" + std::to_string(typed[1].decimals) + ", " +
        typed[2].whole.get_str() + "e-" + std::to_string(typed[2].decimals);
    SCOPED_TRACE(equation);

    const QuadraticSolution s =
        QuadraticSolver(typed[0].value(), typed[1].value(), typed[2].value()).solve();
    if (D < 0) {
        ASSERT_EQ(s.kind, Kind::NoRealRoots);
        return;
    }
    ASSERT_EQ(s.kind, Kind::Roots);
    const bool rational = mpz_perfect_square_p(D.get_mpz_t()) != 0;
    const mpz_class root = rational ? mpz_class(sqrt(D)) : mpz_class(0);
    for (int k = 0; k < 2; ++k) {
        const int sigma = k == 0 ? 1 : -1;
        // The root is (-B + sigma sqrt(D)) / 2A.
        std::string want = "0";
        const mpz_class numerator = -B + sigma * root;
        if (!rational)
            want = textOf(digitsOf(-B, sigma, D, 2 * A));
        else if (numerator != 0)
            want = textOf(digitsOf(numerator, 2 * A));
        EXPECT_EQ(k == 0 ? s.x1 : s.x2, want) << "X" << k + 1;

        const std::optional<ExactRoot>& shown = k == 0 ? s.exact1 : s.exact2;
        if (expected) {
            const Exact& e = (*expected)[k];
            ASSERT_EQ(shown.has_value(), fits((*expected)[0]) && fits((*expected)[1]));
            if (shown) {
                EXPECT_EQ(shown->h, e.h.get_si());
                EXPECT_EQ(shown->sign, e.sign);
                EXPECT_EQ(shown->m, e.m.get_si());
                EXPECT_EQ(shown->n, e.n.get_si());
                EXPECT_EQ(shown->fm, e.fm.get_si());
            }
        }
        if (!shown) continue;
        const mpz_class h = shown->h, m = shown->m, n = shown->n, fm = shown->fm;
        ASSERT_GT(fm, 0);
        if (!shown->hasRadical()) {
            ASSERT_TRUE(rational);
            EXPECT_EQ(h * 2 * A, fm * numerator);
            EXPECT_EQ(gcd(h, fm), 1);
        } else {
            ASSERT_FALSE(rational);
            EXPECT_EQ(h * 2 * A, -fm * B);
            EXPECT_EQ(fm * fm * D, 4 * A * A * m * m * n);
            EXPECT_EQ(shown->sign, sigma * sgn(A));
            EXPECT_GT(n, 1);
            EXPECT_TRUE(squareFree(n)) << n;
            EXPECT_EQ(gcd(gcd(h, m), fm), 1);
        }
    }
}

class RandomEquations : public ::testing::Test {
  protected:
    std::mt19937_64 random{11};

    long uniform(long low, long high) {
        return std::uniform_int_distribution<long>(low, high)(random);
    }
    // A whole number of 1 to `digits` digits, of either sign.
    mpz_class anyWhole(int digits) {
        const long size = uniform(1, digits);
        mpz_class v = uniform(0, 9);
        for (long k = 1; k < size; ++k) v = v * 10 + uniform(0, 9);
        return uniform(0, 1) ? v : mpz_class(-v);
    }
    // The coefficients k[i] * factor * 10^-decimals, or nothing when one has more than 15
    // significant digits and so cannot be typed.
    std::optional<std::array<Typed, 3>> typed(const mpz_class (&k)[3]) {
        const mpz_class factor = uniform(1, 999) * (uniform(0, 1) ? 1 : -1);
        const long decimals = uniform(0, 9);
        std::array<Typed, 3> t;
        for (int i = 0; i < 3; ++i) {
            t[i] = {k[i] * factor, decimals};
            if (abs(t[i].whole) >= power10(15)) return std::nullopt;
        }
        return t;
    }
    // The root whose sign before sqrt(D) is sigma, for a leading coefficient of sign sa, is
    // the larger one exactly when sigma * sa > 0.
    static std::array<Exact, 2> ordered(const Exact& larger, const Exact& smaller, int sa) {
        return sa > 0 ? std::array<Exact, 2>{larger, smaller}
                      : std::array<Exact, 2>{smaller, larger};
    }
};

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
        {1, std::nan(""), 1, Kind::NotANumber},
        {1, 2, 5, Kind::NoRealRoots},
        {1e300, 1e300, 1e300, Kind::NoRealRoots},
        {1e300, 1, 1, Kind::NoRealRoots},
        {1e-300, 0, 1e300, Kind::NoRealRoots},
        {3e-9, -1.2, 120000000, Kind::Roots},  // discriminant exactly 0
        {1, 2, 1, Kind::Roots},
        {1e308, 1e308, -1e-300, Kind::Roots},
    };
    for (const auto& c : cases) EXPECT_EQ(QuadraticSolver(c.a, c.b, c.c).kind(), c.kind) << c.a;
}

TEST(QuadraticSolver, IncompleteSimplificationDropsTheExactForm) {
    const QuadraticSolver solver(1, 3, 1);
    ASSERT_EQ(solver.radicand(), 5);
    for (const zeto::WholeRadical& wrong :
         {zeto::WholeRadical{2, 2, true}, zeto::WholeRadical{1, 5, false}}) {
        const QuadraticSolution s = solver.solve(wrong);
        EXPECT_FALSE(s.exact1);
        EXPECT_EQ(s.x1, "-0.381966011250105");
    }
}

TEST(WholeCoefficients, TakesTheDecimalsTheTextShows) {
    using Whole = std::array<mpz_class, 3>;
    const struct {
        double a, b, c;
        Whole whole;
    } cases[] = {
        {0.5, 1, -1.5, {1, 2, -3}},
        {0.1, 0.3, 0.2, {1, 3, 2}},
        {7, 98000000, 7, {1, 14000000, 1}},
        {-1e300, 2e300, 1e300, {-1, 2, 1}},
        {100, 0, -2500, {1, 0, -25}},
        {1.25e-7, 1, 0, {1, 8000000, 0}},
        {1.0 / 3, 1, 0, {333333333333333, 1000000000000000, 0}},
        {1e-300, 1, 0, {1, mpz_class("1" + std::string(300, '0')), 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(WholeCoefficients::scale(c.a, c.b, c.c), c.whole) << c.a;
    EXPECT_FALSE(WholeCoefficients::scale(1, std::nan(""), 1));
}

// Two rational roots p1/q1 and p2/q2, the same one twice a third of the time, from
// (q1 X - p1)(q2 X - p2) = 0 scaled by a decimal.
TEST_F(RandomEquations, BuiltRationalRoots) {
    for (int built = 0; built < 400;) {
        const mpz_class q1 = uniform(1, 1000);
        const mpz_class p1 = anyWhole(9);
        const bool twice = uniform(0, 2) == 0;
        const mpz_class q2 = twice ? q1 : mpz_class(uniform(1, 1000));
        const mpz_class p2 = twice ? p1 : anyWhole(9);
        const mpz_class k[3] = {q1 * q2, -(q1 * p2 + q2 * p1), p1 * p2};
        const auto t = typed(k);
        if (!t) continue;
        ++built;
        const bool firstLarger = p1 * q2 > p2 * q1;
        const Exact r1 = fraction(p1, q1);
        const Exact r2 = fraction(p2, q2);
        check(*t, ordered(firstLarger ? r1 : r2, firstLarger ? r2 : r1, sgn(t->at(0).whole)));
        if (HasFatalFailure()) return;
    }
}

// Roots (h ± m sqrt(n)) / fm in lowest terms, n free of squares, from
// fm^2 X^2 - 2 h fm X + h^2 - m^2 n = 0 scaled by a decimal.
TEST_F(RandomEquations, BuiltIrrationalRoots) {
    const long primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59};
    for (int built = 0; built < 400;) {
        mpz_class n = 1;
        for (long p : primes)
            if (uniform(0, 3) == 0) n *= p;
        if (n == 1) continue;
        mpz_class h = anyWhole(7);
        mpz_class m = uniform(1, 1000);
        mpz_class fm = uniform(1, 1000);
        const mpz_class g = gcd(gcd(h, m), fm);
        h /= g;
        m /= g;
        fm /= g;
        const mpz_class k[3] = {fm * fm, -2 * h * fm, h * h - m * m * n};
        const auto t = typed(k);
        if (!t) continue;
        ++built;
        check(*t, ordered({h, 1, m, n, fm}, {h, -1, m, n, fm}, sgn(t->at(0).whole)));
        if (HasFatalFailure()) return;
    }
}

// Coefficients of up to 15 digits with 0 to 9 decimal places each: whatever the answer, it
// must be right.
TEST_F(RandomEquations, AnyNineDecimalCoefficients) {
    for (int k = 0; k < 600; ++k) {
        std::array<Typed, 3> t;
        for (Typed& c : t) c = {anyWhole(15), uniform(0, 9)};
        if (t[0].whole == 0) continue;
        check(t);
        if (HasFatalFailure()) return;
    }
}
