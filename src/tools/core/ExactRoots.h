#pragma once

#include <cstdint>

namespace zeto {

// One root in exact form: (h + sign * m * sqrt(n)) / fm. Without a radical term sign, m and
// n are 0 and the root is h / fm.
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
    ExactRoots(std::int64_t A, std::int64_t B, std::int64_t m, std::int64_t n);

    // Greatest common divisor of |a| and |b|; a zero operand gives the other one, so a zero
    // part never stops a fraction from being reduced.
    static std::int64_t byue(std::int64_t a, std::int64_t b);

    // Divides h, m and fm of both roots by their common divisor Chu.
    void YUEFEN();
    // Reduces h / fm of the first, respectively second, root.
    void YUEFEN1();
    void YUEFEN2();
    // Folds a radical that came out whole (n = 1) into h, reduces such a root, and gives
    // every denominator a plus sign.
    void settle();

    std::int64_t Chu() const { return chu_; }
    const ExactRoot& first() const { return first_; }
    const ExactRoot& second() const { return second_; }

    // Every part has at most 15 digits, so its text shows it exactly.
    bool fitsDisplay() const;

  private:
    static void reduceFraction(ExactRoot& root);
    static void settle(ExactRoot& root);

    ExactRoot first_;
    ExactRoot second_;
    std::int64_t chu_ = 1;
};

}  // namespace zeto
