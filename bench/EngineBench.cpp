// The expression engine's share of the plot and sequence commands, measured beside muparser
// doing the same arithmetic where it is installed.
//
//   cmake -S /work/main -B /work/main/build-engine-rel -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build /work/main/build-engine-rel --target EngineBench -j2
//   /work/main/build-engine-rel/bench/EngineBench

#include "platform/core/NumberText.h"
#include "script/core/CompiledFormula.h"
#include "script/core/LiteralValue.h"
#include "script/core/ScriptHost.h"
#include "script/core/ScriptObject.h"

#include <benchmark/benchmark.h>

#ifdef ZETO_HAVE_MUPARSER
#include <muParser.h>
#endif

#include <string>
#include <vector>

namespace {

using zeto::script::CompiledFormula;
using zeto::script::literalValueOf;
using zeto::script::ScriptHost;

// The abscissas of the default custom plot: from -5 to 5 in single-precision steps of
// pi/600, 1910 of them.
std::vector<float> plotAbscissas() {
    std::vector<float> xs;
    const float step = static_cast<float>(3.1415926535 / 600);
    for (float x = -5.0f; x <= 5.0f; x += step) xs.push_back(x);
    return xs;
}

// The default custom plot's engine work: "X+1/X" compiled once, then at every abscissa the
// formula at x and at x + 0.01, each bound to the value its text form has.
void BM_CompiledCustomPlot(benchmark::State& state) {
    const std::vector<float> xs = plotAbscissas();
    ScriptHost host;
    double sum = 0;
    for (auto _ : state) {
        const CompiledFormula formula = CompiledFormula::function(host, QStringLiteral("X+1/X"));
        for (float x : xs) {
            sum += formula.evaluate(literalValueOf(x, 7)).toNumber();
            sum += formula.evaluate(literalValueOf(static_cast<double>(x) + 0.01, 15)).toNumber();
        }
    }
    state.counters["samples"] = static_cast<double>(xs.size());
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_CompiledCustomPlot)->Unit(benchmark::kMillisecond);

// The default user-defined sequence's preview: 100 terms of "N^2+N+2".
void BM_CompiledSequencePreview(benchmark::State& state) {
    ScriptHost host;
    double sum = 0;
    for (auto _ : state) {
        const CompiledFormula formula = CompiledFormula::sequence(host, QStringLiteral("N^2+N+2"));
        for (int k = 1; k <= 100; ++k) sum += formula.evaluate(literalValueOf(k, 15)).toNumber();
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_CompiledSequencePreview)->Unit(benchmark::kMicrosecond);

#ifdef ZETO_HAVE_MUPARSER

// The same plot's arithmetic in muparser, set once with x bound as a variable.
void BM_MuparserCustomPlot(benchmark::State& state) {
    const std::vector<float> xs = plotAbscissas();
    double sum = 0;
    for (auto _ : state) {
        double x = 0;
        mu::Parser parser;
        parser.DefineVar("X", &x);
        parser.SetExpr("X+1/X");
        for (float at : xs) {
            x = at;
            sum += parser.Eval();
            x = static_cast<double>(at) + 0.01;
            sum += parser.Eval();
        }
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_MuparserCustomPlot)->Unit(benchmark::kMillisecond);

#endif

}  // namespace

BENCHMARK_MAIN();
