#pragma once

#include "script/core/Value.h"

namespace zeto {

// The user's formula in X, compiled once for a plot.
class FormulaSource {
  public:
    virtual ~FormulaSource() = default;
    // The formula's value with X bound to `x`. Raises the formula's own error where the formula
    // cannot be evaluated there.
    virtual script::Value at(const script::Value& x) = 0;
};

}  // namespace zeto
