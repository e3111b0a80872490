// The expression engine's share of the plot and sequence commands, measured beside
// muparser doing the same arithmetic where it is installed.
//
//   cmake -S /work/main -B /work/main/build-engine-rel -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build /work/main/build-engine-rel --target EngineBench -j2
//   /work/main/build-engine-rel/bench/EngineBench

#include "platform/core/NumberText.h"
#include "script/core/CompiledFormula.h"
#include "script/core/LiteralValue.h"
#include "script/core/ProcedureText.h"
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
using zeto::script::literalValue;
using zeto::script::ProcedureText;
using zeto::script::ScriptHost;
using zeto::script::Value;

// The callback of the plot, reduced to keeping what it was given.
class SampleSink : public zeto::script::ScriptObject {
  public:
    void call(std::string_view, const std::vector<Value>& args) override {
        z = args.empty() ? 0 : args[0].toNumber();
        z1 = args.size() < 2 ? 0 : args[1].toNumber();
        ++calls;
    }
    double z = 0;
    double z1 = 0;
    long calls = 0;
};

// The abscissas of the default custom plot: from -5 to 5 in single-precision steps of
// pi/600, 1910 of them.
std::vector<float> plotAbscissas() {
    std::vector<float> xs;
    const float step = static_cast<float>(3.1415926535 / 600);
    for (float x = -5.0f; x <= 5.0f; x += step) xs.push_back(x);
    return xs;
}

void runLast(ScriptHost& host, const std::string& text) {
    host.AddCode(text);
    std::string last;
    for (const std::string& name : host.Procedures()) last = name;
    host.Run(last);
}

void BM_EngineSample(benchmark::State& state) {
    std::vector<std::string> texts;
    for (float x : plotAbscissas()) texts.push_back(ProcedureText::functionSample("X+1/X", x));
    ScriptHost host;
    SampleSink sink;
    host.AddObject("OBJsc", &sink);
    std::size_t i = 0;
    for (auto _ : state) {
        runLast(host, texts[i]);
        if (++i == texts.size()) i = 0;
    }
    benchmark::DoNotOptimize(sink.z + sink.z1);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EngineSample);

void BM_EngineCustomPlot(benchmark::State& state) {
    const std::vector<float> xs = plotAbscissas();
    ScriptHost host;
    SampleSink sink;
    host.AddObject("OBJsc", &sink);
    for (auto _ : state) {
        for (float x : xs) runLast(host, ProcedureText::functionSample("X+1/X", x));
    }
    state.counters["samples"] = static_cast<double>(xs.size());
    benchmark::DoNotOptimize(sink.calls);
}
BENCHMARK(BM_EngineCustomPlot)->Unit(benchmark::kMillisecond);

// The same plot with the formula compiled once: each sample binds x to the value its text form
// gave, x in single precision and x + 0.01 in double, as the pasted texts did.
void BM_CompiledCustomPlot(benchmark::State& state) {
    const std::vector<float> xs = plotAbscissas();
    ScriptHost host;
    double sum = 0;
    for (auto _ : state) {
        const CompiledFormula formula = CompiledFormula::function(host, QStringLiteral("X+1/X"));
        for (float x : xs) {
            sum += formula.evaluate(literalValue(zeto::formatSingle(x))).toNumber();
            sum += formula.evaluate(literalValue(zeto::formatNumber(static_cast<double>(x) + 0.01)))
                       .toNumber();
        }
    }
    state.counters["samples"] = static_cast<double>(xs.size());
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_CompiledCustomPlot)->Unit(benchmark::kMillisecond);

void BM_EngineSequencePreview(benchmark::State& state) {
    ScriptHost host;
    SampleSink sink;
    host.AddObject("OBJsc", &sink);
    for (auto _ : state) {
        for (int k = 1; k <= 100; ++k) runLast(host, ProcedureText::sequenceTerm("N^2+N+2", k));
    }
    benchmark::DoNotOptimize(sink.z);
}
BENCHMARK(BM_EngineSequencePreview)->Unit(benchmark::kMillisecond);

#ifdef ZETO_HAVE_MUPARSER

// The two substituted expressions of a sample, as a formula evaluator would get them.
struct SampleExpressions {
    std::string z;
    std::string z1;
};

std::vector<SampleExpressions> plotExpressions() {
    std::vector<SampleExpressions> out;
    for (float x : plotAbscissas()) {
        const std::string text = ProcedureText::functionSample("X+1/X", x);
        // Lines 2 and 3 of the text, after "Z=" and "Z1=".
        std::size_t zStart = text.find("\r\nZ=") + 4;
        std::size_t zEnd = text.find("\r\n", zStart);
        std::size_t z1Start = zEnd + 5;
        std::size_t z1End = text.find("\r\n", z1Start);
        out.push_back({text.substr(zStart, zEnd - zStart), text.substr(z1Start, z1End - z1Start)});
    }
    return out;
}

void BM_MuparserSample(benchmark::State& state) {
    const std::vector<SampleExpressions> samples = plotExpressions();
    mu::Parser parser;
    double z = 0;
    double z1 = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        parser.SetExpr(samples[i].z);
        z = parser.Eval();
        parser.SetExpr(samples[i].z1);
        z1 = parser.Eval();
        benchmark::DoNotOptimize(z + z1);
        if (++i == samples.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MuparserSample);

void BM_MuparserCustomPlot(benchmark::State& state) {
    const std::vector<float> xs = plotAbscissas();
    mu::Parser parser;
    double sum = 0;
    for (auto _ : state) {
        for (float x : xs) {
            const std::string text = ProcedureText::functionSample("X+1/X", x);
            std::size_t zStart = text.find("\r\nZ=") + 4;
            std::size_t zEnd = text.find("\r\n", zStart);
            std::size_t z1Start = zEnd + 5;
            std::size_t z1End = text.find("\r\n", z1Start);
            parser.SetExpr(text.substr(zStart, zEnd - zStart));
            sum += parser.Eval();
            parser.SetExpr(text.substr(z1Start, z1End - z1Start));
            sum += parser.Eval();
        }
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_MuparserCustomPlot)->Unit(benchmark::kMillisecond);

#endif

}  // namespace

BENCHMARK_MAIN();
