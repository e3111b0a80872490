#include "tools/core/QuadraticSolver.h"

#include "platform/core/NumberText.h"

#include <gmpxx.h>
#include <mpfr.h>

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>

using zeto::QuadraticSolution;
using zeto::QuadraticSolver;
using Kind = QuadraticSolution::Kind;

namespace {

mpz_class power10(long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(e));
    return p;
}

// The first 40 significant digits of x, cut off, the exponent of the first, and whether
// nothing follows them.
struct LongDigits {
    bool negative = false;
    std::string digits;
    long exponent = 0;
    bool exact = false;
};

// x = p / q by long division.
LongDigits digitsOf(const mpz_class& p, const mpz_class& q) {
    long e = static_cast<long>(mpz_sizeinbase(p.get_mpz_t(), 10)) -
             static_cast<long>(mpz_sizeinbase(q.get_mpz_t(), 10));
    for (;;) {
        const mpz_class num = abs(p) * (e <= 39 ? power10(39 - e) : mpz_class(1));
        const mpz_class den = abs(q) * (e > 39 ? power10(e - 39) : mpz_class(1));
        const mpz_class quotient = num / den;
        if (quotient < power10(39) || quotient >= power10(40)) {
            e += quotient < power10(39) ? -1 : 1;
            continue;
        }
        return {sgn(p) * sgn(q) < 0, quotient.get_str(), e, quotient * den == num};
    }
}

// x = (p + sign * sqrt(d)) / q for d not a square, with MPFR at 4096 bits: far more than 40
// digits need even where p and the root cancel.
LongDigits digitsOf(const mpz_class& p, int sign, const mpz_class& d, const mpz_class& q) {
    mpfr_t x, root;
    mpfr_inits2(4096, x, root, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_z(root, d.get_mpz_t(), MPFR_RNDN);
    mpfr_sqrt(root, root, MPFR_RNDN);
    mpfr_set_z(x, p.get_mpz_t(), MPFR_RNDN);
    (sign > 0 ? mpfr_add : mpfr_sub)(x, x, root, MPFR_RNDN);
    mpfr_div_z(x, x, q.get_mpz_t(), MPFR_RNDN);
    mpfr_exp_t exponent = 0;
    char* text = mpfr_get_str(nullptr, &exponent, 10, 40, x, MPFR_RNDZ);
    const bool negative = text[0] == '-';
    LongDigits digits{negative, text + (negative ? 1 : 0), static_cast<long>(exponent) - 1};
    mpfr_free_str(text);
    mpfr_clears(x, root, static_cast<mpfr_ptr>(nullptr));
    return digits;
}

// Rounds to 15 digits, to nearest, an exact tie to the even digit, and writes the text form.
std::string textOf(LongDigits d) {
    std::string head = d.digits.substr(0, 15);
    const std::string tail = d.digits.substr(15);
    const std::string half = "5" + std::string(tail.size() - 1, '0');
    const bool up =
        tail > half || (tail == half && !d.exact) || (tail == half && (head.back() - '0') % 2 != 0);
    int k = 14;
    for (; up && k >= 0 && head[k] == '9'; --k) head[k] = '0';
    if (up && k >= 0) ++head[k];
    if (up && k < 0) {
        head = "1" + head.substr(0, 14);
        ++d.exponent;
    }
    head.erase(head.find_last_not_of('0') + 1);
    return zeto::formatDigits({d.negative, head, static_cast<int>(d.exponent)}, 15);
}

// A coefficient as the user types it: whole * 10^-decimals.
struct Typed {
    mpz_class whole;
    long decimals = 0;
    std::string text() const { return whole.get_str() + "e-" + std::to_string(decimals); }
};

// A root as the page should show it, (h + sign m sqrt(n)) / fm, with parts of any size.
using Exact = std::tuple<mpz_class, int, mpz_class, mpz_class, mpz_class>;

bool fits(const Exact& r) {
    const auto& [h, sign, m, n, fm] = r;
    return abs(h) < power10(15) && m < power10(15) && n < power10(15) && fm < power10(15);
}

Exact fraction(const mpz_class& p, const mpz_class& q) {
    const mpz_class g = gcd(p, q) * sgn(q);
    return {p / g, 0, 0, 0, q / g};
}

bool squareFree(mpz_class n) {
    for (unsigned long d = 2; d * d * d <= n; ++d) {
        if (mpz_divisible_ui_p(n.get_mpz_t(), d * d)) return false;
        while (mpz_divisible_ui_p(n.get_mpz_t(), d)) n /= d;
    }
    return n == 1 || !mpz_perfect_square_p(n.get_mpz_t());
}

// Solves a*X^2 + b*X + c = 0 as typed and checks every claim of the answer against exact
// arithmetic: the kind by the sign of the discriminant, each decimal against the true root
// rounded independently, and any exact form shown against the root itself. `expected`, known
// from how the equation was built, also demands the exact form wherever it fits.
void check(const std::array<Typed, 3>& typed,
           const std::optional<std::array<Exact, 2>>& expected = std::nullopt) {
    SCOPED_TRACE(typed[0].text() + ", " + typed[1].text() + ", " + typed[2].text());
    const long decimals = std::max({typed[0].decimals, typed[1].decimals, typed[2].decimals});
    mpz_class whole[3];
    for (int k = 0; k < 3; ++k) whole[k] = typed[k].whole * power10(decimals - typed[k].decimals);
    const mpz_class &A = whole[0], &B = whole[1], &C = whole[2];
    const mpz_class D = B * B - 4 * A * C;
    const QuadraticSolution s =
        QuadraticSolver(zeto::leadingNumber(typed[0].text()), zeto::leadingNumber(typed[1].text()),
                        zeto::leadingNumber(typed[2].text()))
            .solve();
    ASSERT_EQ(s.kind, D < 0 ? Kind::NoRealRoots : Kind::Roots);
    if (D < 0) return;
    const bool rational = mpz_perfect_square_p(D.get_mpz_t()) != 0;
    for (int k = 0; k < 2; ++k) {
        // The root is (-B + sigma sqrt(D)) / 2A.
        const int sigma = k == 0 ? 1 : -1;
        const mpz_class numerator = -B + sigma * (rational ? mpz_class(sqrt(D)) : mpz_class(0));
        const std::string want = !rational        ? textOf(digitsOf(-B, sigma, D, 2 * A))
                                 : numerator == 0 ? "0"
                                                  : textOf(digitsOf(numerator, 2 * A));
        EXPECT_EQ(k == 0 ? s.x1 : s.x2, want) << "X" << k + 1;

        const std::optional<zeto::ExactRoot>& shown = k == 0 ? s.exact1 : s.exact2;
        const bool fit = expected && fits((*expected)[0]) && fits((*expected)[1]);
        ASSERT_TRUE(!expected || shown.has_value() == fit) << "X" << k + 1;
        if (!shown) continue;
        const Exact got{shown->h, shown->sign, shown->m, shown->n, shown->fm};
        EXPECT_TRUE(!expected || got == (*expected)[k]) << "X" << k + 1;
        const auto& [h, sign, m, n, fm] = got;
        ASSERT_GT(fm, 0);
        EXPECT_EQ(sign == 0, rational);
        if (sign == 0) {
            EXPECT_EQ(h * 2 * A, fm * numerator);
            EXPECT_EQ(gcd(h, fm), 1);
        } else {
            EXPECT_EQ(h * 2 * A, -fm * B);
            EXPECT_EQ(fm * fm * D, 4 * A * A * m * m * n);
            EXPECT_EQ(sign, sigma * sgn(A));
            EXPECT_TRUE(n > 1 && squareFree(n)) << n;
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
        mpz_class v = 0;
        for (long k = uniform(1, digits); k > 0; --k) v = v * 10 + uniform(0, 9);
        return uniform(0, 1) ? v : mpz_class(-v);
    }
    // The coefficients k[i] times a decimal factor, or nothing when one has more than 15
    // significant digits and so cannot be typed.
    std::optional<std::array<Typed, 3>> typed(const mpz_class (&k)[3]) {
        const mpz_class factor = uniform(1, 999) * (uniform(0, 1) ? 1 : -1);
        const long decimals = uniform(0, 9);
        std::array<Typed, 3> t;
        for (int i = 0; i < 3; ++i) t[i] = {k[i] * factor, decimals};
        for (const Typed& c : t)
            if (abs(c.whole) >= power10(15)) return std::nullopt;
        return t;
    }
    // X1, the root with +sqrt(D), is the larger one for a positive leading coefficient.
    static std::array<Exact, 2> ordered(const Exact& larger, const Exact& smaller,
                                        const std::array<Typed, 3>& t) {
        if (t[0].whole > 0) return {larger, smaller};
        return {smaller, larger};
    }
};

}  // namespace

TEST(QuadraticSolver, Kinds) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double a, b, c;
        Kind kind;
    } cases[] = {
        {0, 3, 1, Kind::NotQuadratic},         {inf, 1, 1, Kind::NotANumber},
        {1, -inf, 1, Kind::NotANumber},        {1, std::nan(""), 1, Kind::NotANumber},
        {1, 2, 5, Kind::NoRealRoots},          {1e300, 1e300, 1e300, Kind::NoRealRoots},
        {1e-300, 0, 1e300, Kind::NoRealRoots}, {3e-9, -1.2, 120000000, Kind::Roots},
        {1e308, 1e308, -1e-300, Kind::Roots},
    };
    for (const auto& c : cases) EXPECT_EQ(QuadraticSolver(c.a, c.b, c.c).kind(), c.kind) << c.a;
}

TEST(QuadraticSolver, IncompleteSimplificationDropsTheExactForm) {
    const QuadraticSolver solver(1, 3, 1);
    ASSERT_EQ(solver.radicand(), 5);
    for (const zeto::WholeRadical& wrong : {zeto::WholeRadical{2, 2}, {1, 5, false}}) {
        EXPECT_FALSE(solver.solve(wrong).exact1);
        EXPECT_EQ(solver.solve(wrong).x1, "-0.381966011250105");
    }
}

// Two rational roots p1/q1 and p2/q2, a third of the time the same one twice, from
// (q1 X - p1)(q2 X - p2) = 0 times a decimal.
TEST_F(RandomEquations, BuiltRationalRoots) {
    for (int built = 0; built < 400 && !HasFatalFailure();) {
        const mpz_class q1 = uniform(1, 1000), p1 = anyWhole(9);
        const bool twice = uniform(0, 2) == 0;
        const mpz_class q2 = twice ? q1 : mpz_class(uniform(1, 1000));
        const mpz_class p2 = twice ? p1 : anyWhole(9);
        const auto t = typed({q1 * q2, -(q1 * p2 + q2 * p1), p1 * p2});
        if (!t) continue;
        ++built;
        const bool firstLarger = p1 * q2 > p2 * q1;
        const Exact r1 = fraction(p1, q1), r2 = fraction(p2, q2);
        check(*t, ordered(firstLarger ? r1 : r2, firstLarger ? r2 : r1, *t));
    }
}

// Roots (h ± m sqrt(n)) / fm in lowest terms, n free of squares, from
// fm^2 X^2 - 2 h fm X + h^2 - m^2 n = 0 times a decimal.
TEST_F(RandomEquations, BuiltIrrationalRoots) {
    for (int built = 0; built < 400 && !HasFatalFailure();) {
        mpz_class n = 1;
        for (long p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59})
            if (uniform(0, 3) == 0) n *= p;
        const mpz_class h0 = anyWhole(7), m0 = uniform(1, 1000), fm0 = uniform(1, 1000);
        const mpz_class g = gcd(gcd(h0, m0), fm0);
        const mpz_class h = h0 / g, m = m0 / g, fm = fm0 / g;
        const auto t = typed({fm * fm, -2 * h * fm, h * h - m * m * n});
        if (n == 1 || !t) continue;
        ++built;
        check(*t, ordered({h, 1, m, n, fm}, {h, -1, m, n, fm}, *t));
    }
}

// Coefficients of up to 15 digits with 0 to 9 decimal places each: whatever the answer, it
// must be right.
TEST_F(RandomEquations, AnyNineDecimalCoefficients) {
    for (int k = 0; k < 600 && !HasFatalFailure(); ++k) {
        std::array<Typed, 3> t;
        for (Typed& c : t) c = {anyWhole(15), uniform(0, 9)};
        if (t[0].whole != 0) check(t);
    }
}
