// The analysis behind a selection on the plane, for ten graphs of every sort: two quadratics, a
// line, a circle, an ellipse, a hyperbola, a sine, a tangent, a formula and a parabola. From a
// fresh analysis (every graph still to be sampled): one selection, that is its facts and its
// intersections with the nine others; and the facts of all ten with all 45 pairs.
// Run: build/bench/AnalysisBench

#include "plane/core/PlaneAnalysis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using zeto::GraphKind;
using zeto::GraphSpec;

GraphSpec graph(GraphKind kind, std::array<double, 3> c, double from = -10, double to = 10) {
    GraphSpec g;
    g.kind = kind;
    g.c = c;
    g.from = from;
    g.to = to;
    return g;
}

std::vector<GraphSpec> tenGraphs() {
    GraphSpec formula = graph(GraphKind::Formula, {}, -5, 5);
    formula.formulaText = QStringLiteral("X^3-3*X+sin(X)");
    formula.f = [](double x) { return x * x * x - 3 * x + std::sin(x); };
    return {
        graph(GraphKind::Quadratic, {1, -2, -3}, -5, 5),
        graph(GraphKind::Quadratic, {-0.5, 1, 4}, -5, 5),
        graph(GraphKind::Line, {1, -1, -1}),
        graph(GraphKind::Circle, {1, -2, 3}),
        graph(GraphKind::Ellipse, {5, 3}),
        graph(GraphKind::Hyperbola1, {2, 1}),
        graph(GraphKind::Sine, {2, 3, 1}, -5, 5),
        graph(GraphKind::Tangent, {}, -5, 5),
        formula,
        graph(GraphKind::Parabola1, {2, 0, 0}),
    };
}

void BM_OneSelection(benchmark::State& state) {
    const std::vector<GraphSpec> graphs = tenGraphs();
    for (auto _ : state) {
        zeto::PlaneAnalysis analysis(graphs);
        benchmark::DoNotOptimize(analysis.report(static_cast<std::size_t>(state.range(0))));
    }
}
BENCHMARK(BM_OneSelection)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

void BM_AllFactsAndPairs(benchmark::State& state) {
    const std::vector<GraphSpec> graphs = tenGraphs();
    for (auto _ : state) {
        zeto::PlaneAnalysis analysis(graphs);
        for (std::size_t k = 0; k < graphs.size(); ++k)
            benchmark::DoNotOptimize(analysis.report(k));
    }
}
BENCHMARK(BM_AllFactsAndPairs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
