#pragma once

#include "plane/core/GraphFacts.h"
#include "plane/core/GraphShape.h"
#include "plane/core/GraphSpec.h"
#include "plane/core/IntersectionFinder.h"

#include <map>
#include <utility>
#include <vector>

namespace zeto {

// The analysis of the graphs on the plane, for the one the user selects: its facts, its
// special points and its intersections with every other graph. Each graph is sampled once,
// and each pair searched once, however often a graph is selected.
class PlaneAnalysis {
  public:
    explicit PlaneAnalysis(const std::vector<GraphSpec>& graphs);

    std::size_t size() const { return shapes_.size(); }

    // The graph's own facts and the points they mark.
    GraphFacts facts(std::size_t graph);

    // One line for every other graph, in list order: named "交点（" + its equation + "）",
    // valued by the common points, "无" or "重合"; the points are marked.
    struct Meeting {
        std::size_t other;
        FactLine line;
        std::vector<MarkedPoint> points;
    };
    std::vector<Meeting> intersections(std::size_t graph);

    // Everything shown for a selected graph: its facts, then its intersection lines, with the
    // marks of both.
    GraphFacts report(std::size_t graph);

  private:
    const IntersectionFinder::Result& meeting(std::size_t a, std::size_t b);

    std::vector<GraphShape> shapes_;
    std::map<std::pair<std::size_t, std::size_t>, IntersectionFinder::Result> meetings_;
};

}  // namespace zeto
