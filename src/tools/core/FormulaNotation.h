#pragma once

#include "tools/core/MathBox.h"

#include <QString>

#include <optional>

namespace zeto {

// Writes a sequence's general term, typed in the program's formula language, the way a
// textbook prints it: N becomes n, ^ a raised exponent, / a fraction, sqr(…) a square root,
// and * a × or nothing at all between a number and a letter ("2*N" is 2n).
class FormulaNotation {
  public:
    // Nothing when the text holds anything beyond numbers, N, + - * / ^, brackets and
    // sqr(…), or is not a well-formed formula of those.
    static std::optional<MathBox> read(const QString& formula);
};

}  // namespace zeto
