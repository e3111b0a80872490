#pragma once

#include "tools/core/MathBox.h"

#include <gmpxx.h>

#include <vector>

namespace zeto {

// The pieces the worked steps are written with: exact numbers, signed terms and sums, as a
// textbook writes them ("-5/2", "(-3)", "x²-3x/2+1").
class StepNotation {
  public:
    // A coefficient and the letters it multiplies; no letters for a constant.
    struct Term {
        mpq_class coefficient;
        MathBox letters;
    };

    static MathBox number(const mpz_class& value);
    // A whole number as such, anything else as a fraction with the minus sign in front.
    static MathBox number(const mpq_class& value);
    // A negative number in brackets, as it stands after an operator: "×(-3)".
    static MathBox operand(const mpq_class& value);
    static MathBox bracketed(MathBox box);
    // The letter with a lowered index: a₁, x₂, aₙ.
    static MathBox indexed(const QString& letter, const QString& index);
    // Base raised to the power: "x²", "(-2)ⁿ⁻¹"; a base that is not a plain whole number or
    // letter gets brackets.
    static MathBox power(MathBox base, const QString& exponent);
    // The terms one after another, each sign written once, zero terms left out, a coefficient
    // 1 before letters left out, a fractional coefficient written over its letters ("3x/2").
    // No terms at all is "0".
    static MathBox sum(const std::vector<Term>& terms);
    // The same over one common denominator: "(n+1)/2", "-(n²+n)/2".
    static MathBox sumOverCommonDenominator(const std::vector<Term>& terms);
};

}  // namespace zeto
