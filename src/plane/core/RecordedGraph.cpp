#include "plane/core/RecordedGraph.h"

#include "plane/core/FunctionFormulas.h"

namespace zeto {

bool isFunctionGraph(GraphKind kind) {
    return kind <= GraphKind::Formula;
}

GraphSpec recordedGraph(const PlaneRecord::Entry& plot) {
    GraphSpec graph;
    const PlotDescription& d = *plot.plot;
    graph.kind = d.kind;
    graph.c = d.coefficients;
    graph.from = d.start;
    graph.to = d.end;
    if (!isFunctionGraph(d.kind)) {
        graph.from = -d.axisLength;
        graph.to = d.axisLength;
    }
    if (const FunctionFormula formula = functionFormula(d.kind)) {
        const std::array<double, 3> c = d.coefficients;
        graph.f = [formula, c](double x) { return formula(x, c); };
    } else if (d.kind == GraphKind::Formula && d.value) {
        const auto value = d.value;
        const std::array<double, 3> c = d.coefficients;
        graph.f = [value, c](double x) { return value(x, c); };
    }
    graph.formulaText = d.formula;
    if (d.kind == GraphKind::Points)
        for (const Primitive& piece : plot.pieces)
            if (piece.shape == Primitive::Shape::Dot) graph.points.push_back({piece.x1, piece.y1});
    return graph;
}

}  // namespace zeto
