#pragma once

#include "script/core/Value.h"

#include <string_view>

namespace zeto::script {

// The value the engine gives a number's text form written into a formula in brackets, as the
// program wrote a sample's abscissa or a term's index into the formula: "5" is an Integer,
// "70000" a Long, "0.5" and "1E-05" Doubles, "-5" the engine's negation of 5, "-32768" a Long
// like the negation of 32768. Binding a formula's variable to it gives the very numbers the
// pasted text gave. Texts other than an optionally signed number raise InvalidNumber.
Value literalValue(std::string_view numberText);

// The same for the text form of `value` with at most `precision` significant digits (7 for a
// single-precision abscissa, 15 for a double), without writing the text: a plot binds two
// such values at every sample. Raises InvalidNumber for a value that is not finite.
Value literalValueOf(double value, int precision);

}  // namespace zeto::script
