#pragma once

#include "script/core/Value.h"

#include <cstdint>

namespace zeto::script {

// Conversions between the numeric subtypes with the classic rules: banker's rounding to
// whole numbers, widening on overflow where the language widens, errors where it does not.
class Numeric {
  public:
    // Empty 0, True -1, a numeric string its number; other strings are a type mismatch.
    static double toDouble(const Value& v);
    // Rounds to the nearest whole number, halves to the even neighbour.
    static double roundHalfEven(double x);
    // Rounded to a Long; overflow beyond its range.
    static std::int32_t toLong(const Value& v);
    static std::int32_t toLong(double x);
    // Empty, Boolean or Integer: operands that keep integer operators at 16 bits.
    static bool isShort(const Value& v);
    // A Double; overflow when the value left the double range.
    static Value makeDouble(double x);
    // The narrowest of Integer, Long, Double holding the whole number x.
    static Value fitInteger(double x);
    // Long, or Double when x lies beyond the Long range.
    static Value fitLong(double x);
    // Single, or Double when x lies beyond the single range.
    static Value fitSingle(double x);
    // x in the given subtype by the rules above: Integer, Long and Single widen as they
    // must; every other subtype gives a Double.
    static Value fit(Value::Subtype type, double x);
};

}  // namespace zeto::script
