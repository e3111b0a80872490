#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zeto {

// Turns the coefficients of an equation into whole numbers with the same ratios, so that
// the roots can be worked out exactly: each coefficient is taken as the decimal number its
// text shows (15 significant digits) and all three are multiplied by the one power of ten
// that makes them whole and as small as possible. 0.5, 1, -1.5 become 5, 10, -15;
// 1E+300, 2E+300, 1E+300 become 1, 2, 1.
class WholeCoefficients {
  public:
    // Larger whole numbers are not held exactly by the program's doubles.
    static constexpr std::int64_t kLimit = std::int64_t{1} << 53;

    // Nothing when a coefficient is not finite or a scaled one would exceed kLimit.
    static std::optional<std::array<std::int64_t, 3>> scale(double a, double b, double c);
};

}  // namespace zeto
