#pragma once

#include "tools/core/SurdNumber.h"

#include <QString>

#include <optional>

namespace zeto {

// One coordinate of a point the analysis reports. An exact one prints its exact form
// ("-25/4", "(1+√5)/2"); a numeric one prints "≈" and its 15-digit text form, unless it is
// known to be the very number its text shows (the 0 of a zero, a short decimal at which the
// graph's value is exactly 0).
class Coordinate {
  public:
    static Coordinate exact(const SurdNumber& value);
    static Coordinate approximate(double value);
    static Coordinate known(double value);

    double value() const { return value_; }
    bool isApproximate() const { return !exact_ && !known_; }
    const std::optional<SurdNumber>& exactValue() const { return exact_; }
    // An exact form too long for the display prints as its decimal, with "≈".
    QString text() const;

  private:
    Coordinate() = default;

    double value_ = 0;
    std::optional<SurdNumber> exact_;
    bool known_ = false;
};

}  // namespace zeto
