#pragma once

#include "plane/core/NumericSearch.h"

#include <vector>

namespace zeto {

// The turns of a function sampled on a grid: each sample above (below) both neighbours is
// refined by golden-section search between them. A refinement that keeps climbing far past
// what the samples allow, or runs into an end of its stretch, has met a pole or a jump and is
// dropped.
class ExtremumScan {
  public:
    struct Turn {
        double x;
        double y;
        bool maximum;
    };

    // y[k] = f(x[k]), NaN where undefined; x ascending. Turns in ascending order of x.
    static std::vector<Turn> find(const std::vector<double>& x, const std::vector<double>& y,
                                  const NumericSearch::Function& f);
};

}  // namespace zeto
