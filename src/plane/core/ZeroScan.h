#pragma once

#include "plane/core/NumericSearch.h"

#include <vector>

namespace zeto {

// The zeros of a function sampled on a grid: a root in every stretch between two samples of
// opposite signs (refined by Brent's method; a stretch around a pole or a jump, where the
// value stays large, is no root), every sample that is exactly 0, and the zeros where the
// function only touches 0 (a local minimum of |g| refined by golden-section search and taken
// when |g| is tiny there).
class ZeroScan {
  public:
    struct Zero {
        double t;
        // t is a decimal of at most 12 significant digits, fewer than the text form shows,
        // and g is exactly 0 there: most likely the very root.
        bool exact;
    };
    struct Result {
        std::vector<Zero> zeros;  // ascending
        bool everywhere = false;  // every sample is exactly 0
    };

    // g[k] = at(t[k]), NaN where undefined; t ascending.
    static Result find(const std::vector<double>& t, const std::vector<double>& g,
                       const NumericSearch::Function& at);
};

}  // namespace zeto
