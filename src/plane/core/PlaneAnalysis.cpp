#include "plane/core/PlaneAnalysis.h"

#include "plane/core/CurveFacts.h"
#include "plane/core/EquationText.h"
#include "plane/core/FactSheet.h"
#include "plane/core/FunctionFacts.h"

#include <algorithm>

namespace zeto {

PlaneAnalysis::PlaneAnalysis(const std::vector<GraphSpec>& graphs) {
    shapes_.reserve(graphs.size());
    for (const GraphSpec& graph : graphs) shapes_.emplace_back(graph);
}

GraphFacts PlaneAnalysis::facts(std::size_t graph) {
    const GraphShape& shape = shapes_.at(graph);
    if (shape.spec().kind == GraphKind::Points) return {};
    return shape.isFunction() ? FunctionFacts::of(shape) : CurveFacts::of(shape.spec());
}

const IntersectionFinder::Result& PlaneAnalysis::meeting(std::size_t a, std::size_t b) {
    // Either order finds the same points.
    const auto key = std::minmax(a, b);
    auto found = meetings_.find(key);
    if (found == meetings_.end())
        found =
            meetings_
                .emplace(key, IntersectionFinder::between(shapes_[key.first], shapes_[key.second]))
                .first;
    return found->second;
}

std::vector<PlaneAnalysis::Meeting> PlaneAnalysis::intersections(std::size_t graph) {
    std::vector<Meeting> meetings;
    for (std::size_t other = 0; other < shapes_.size(); ++other) {
        if (other == graph) continue;
        const IntersectionFinder::Result& found = meeting(graph, other);
        Meeting m{other, {}, {}};
        m.line.name =
            QStringLiteral("交点（") + equationText(shapes_[other].spec()) + QStringLiteral("）");
        if (found.coincide)
            m.line.value = QStringLiteral("重合");
        else if (found.points.empty())
            m.line.value = QStringLiteral("无");
        else
            m.line.value = PlanePoint::listText(found.points, FactSheet::kPointLimit);
        for (std::size_t k = 0; k < found.points.size() && k < FactSheet::kPointLimit; ++k)
            m.points.push_back({found.points[k].at(), found.points[k].text(), QString()});
        meetings.push_back(std::move(m));
    }
    return meetings;
}

GraphFacts PlaneAnalysis::report(std::size_t graph) {
    GraphFacts shown = facts(graph);
    for (Meeting& m : intersections(graph)) {
        shown.lines.push_back(m.line);
        shown.marks.insert(shown.marks.end(), m.points.begin(), m.points.end());
    }
    return shown;
}

}  // namespace zeto
