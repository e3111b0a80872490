#pragma once

#include "tools/core/SurdNumber.h"

#include <QString>

namespace zeto {

// The text forms of the straight lines among a graph's facts: "x = -25/4", "y = 0",
// "y = 2x", "y = -x", "y = (1/2)x", "y = -(1/2)x".
class LineText {
  public:
    static QString vertical(const SurdNumber& x);
    static QString horizontal(const SurdNumber& y);
    static QString throughOrigin(const SurdNumber& slope);
};

}  // namespace zeto
