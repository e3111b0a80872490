#pragma once

#include <gmpxx.h>

#include <cstdint>

namespace zeto {

// One root in exact form as the page shows it: (h + sign * m * sqrt(n)) / fm. Without a
// radical term sign, m and n are 0 and the root is h / fm.
struct ExactRoot {
    std::int64_t h = 0;
    int sign = 0;
    std::int64_t m = 0;
    std::int64_t n = 0;
    std::int64_t fm = 1;

    bool hasRadical() const { return sign != 0; }
};

// The two roots (-B + m*sqrt(n)) / 2A and (-B - m*sqrt(n)) / 2A of a whole-number quadratic,
// where m*sqrt(n) is the simplified square root of its discriminant, brought to lowest terms.
class ExactRoots {
  public:
    // m = 0 for a zero discriminant; n = 1 when the discriminant is a perfect square.
    ExactRoots(const mpz_class& A, const mpz_class& B, const mpz_class& m, const mpz_class& n);

    // Greatest common divisor of |a| and |b|; a zero operand gives the other one, so a zero
    // part never stops a fraction from being reduced.
    static mpz_class commonDivisor(const mpz_class& a, const mpz_class& b);

    // Divides h, m and fm of both roots by their common divisor.
    void divideByCommonDivisor();
    // Reduces h / fm of the first, respectively second, root.
    void reduceFirst();
    void reduceSecond();
    // Folds a radical that came out whole (n = 1) into h, reduces such a root, and gives
    // every denominator a plus sign.
    void settle();

    const mpz_class& divisor() const { return divisor_; }

    // Every part of both roots has at most 15 digits, so its text shows it exactly.
    bool fitsDisplay() const;
    // The roots as shown; only when they fit the display.
    ExactRoot first() const { return shown(first_); }
    ExactRoot second() const { return shown(second_); }

  private:
    struct Root {
        mpz_class h;
        int sign = 0;
        mpz_class m;
        mpz_class n;
        mpz_class fm = 1;
    };

    static void reduceFraction(Root& root);
    static void settle(Root& root);
    static bool fits(const Root& root);
    static ExactRoot shown(const Root& root);

    Root first_;
    Root second_;
    mpz_class divisor_ = 1;
};

}  // namespace zeto
