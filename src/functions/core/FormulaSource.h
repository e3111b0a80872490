#pragma once

#include "script/core/Value.h"

#include <string_view>

namespace zeto {

// The user's formula in X, compiled once for a plot.
class FormulaSource {
  public:
    virtual ~FormulaSource() = default;
    // The formula's value with X bound to the number `numberText` writes, exactly as if that
    // text stood in the formula in place of X. Raises the formula's own error where the
    // formula cannot be evaluated there.
    virtual script::Value at(std::string_view numberText) = 0;
};

}  // namespace zeto
