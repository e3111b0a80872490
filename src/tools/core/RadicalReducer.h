#pragma once

namespace zeto {

// A square root in simplest radical form: sqrt(v) = m * sqrt(r), with v = m * m * r.
struct Radical {
    double m = 1;
    double r = 0;
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

  private:
    static void reduce(unsigned long long value, unsigned long long& m, unsigned long long& r);
};

}  // namespace zeto
