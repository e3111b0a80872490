#pragma once

#include <gmpxx.h>

namespace zeto {

// A square root in simplest radical form: sqrt(v) = m * sqrt(r), with v = m * m * r.
struct Radical {
    double m = 1;
    double r = 0;
};

// The same for a whole number of any size. squareFree is false when r could not be shown
// free of square factors within bounded work; v = m * m * r holds all the same.
struct WholeRadical {
    mpz_class m = 1;
    mpz_class r = 0;
    bool squareFree = true;
};

// Takes the square factors out of a square root.
class RadicalReducer {
  public:
    // Whole numbers up to this size are held exactly by a double; beyond it a value's last
    // digits are uncertain, so it is never reduced.
    static constexpr double kExactLimit = 9007199254740992.0;  // 2^53

    // Whole values from 0 to kExactLimit come back with r free of square factors. Any other
    // value (a fraction, a negative, a value beyond kExactLimit) is returned unreduced:
    // m = 1, r = value.
    static Radical reduce(double value);
    // A whole value >= 0 of any size.
    static WholeRadical reduce(const mpz_class& value);

  private:
    static void reduce(unsigned long long value, unsigned long long& m, unsigned long long& r);
};

}  // namespace zeto
