#pragma once

#include "plane/core/GraphShape.h"
#include "plane/core/PlanePoint.h"

#include <vector>

namespace zeto {

// The common points of two graphs inside both their domains. Exact where a line and a conic
// are all it takes (a line with any algebraic graph, two polynomial graphs, two circles);
// numeric elsewhere: the equation of an algebraic graph, or the difference of two functions,
// searched for zeros along the samples of the other graph.
class IntersectionFinder {
  public:
    struct Result {
        bool coincide = false;           // the two are one curve
        std::vector<PlanePoint> points;  // by x, then y
    };

    static Result between(const GraphShape& a, const GraphShape& b);
};

}  // namespace zeto
