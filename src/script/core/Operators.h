#pragma once

#include "script/core/Value.h"

namespace zeto::script {

// The language's operators on values, with its rules for result subtypes, widening and
// errors. Every result is finite: what would leave the double range is an overflow.
class Operators {
  public:
    static Value add(const Value& a, const Value& b);
    static Value subtract(const Value& a, const Value& b);
    static Value multiply(const Value& a, const Value& b);
    static Value divide(const Value& a, const Value& b);
    static Value intDivide(const Value& a, const Value& b);
    static Value modulo(const Value& a, const Value& b);
    static Value power(const Value& a, const Value& b);
    static Value concat(const Value& a, const Value& b);
    static Value negate(const Value& a);

    // -1, 0 or 1. Numbers compare by value, strings by their bytes, a number is less than
    // any string, and Empty is 0 beside a number and "" beside a string.
    static int compare(const Value& a, const Value& b);

    enum class Logic { And, Or, Xor, Eqv, Imp };
    // Boolean on two Booleans, otherwise bitwise on whole numbers.
    static Value logic(Logic op, const Value& a, const Value& b);
    static Value logicalNot(const Value& a);
};

}  // namespace zeto::script
