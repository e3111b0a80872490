// The worked steps of the calculation pages, as the steps window asks for them after each
// answer: random whole-number equations with coefficients up to ±10^9 (discriminants near
// 10^19, beyond one machine word), the same at 15 digits, a ten-digit radicand and the
// sequences. The target for an equation of ±10^9 is well under 5 ms. Run: build/bench/StepsBench

#include "tools/core/EquationSteps.h"
#include "tools/core/RadicalSteps.h"
#include "tools/core/SequenceSteps.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

namespace {

// Random whole coefficients in [-range, range], a != 0.
std::vector<std::array<double, 3>> randomEquations(long long range) {
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<long long> coefficient(-range, range);
    std::vector<std::array<double, 3>> equations;
    while (equations.size() < 1024) {
        const long long a = coefficient(random);
        if (a != 0)
            equations.push_back(
                {double(a), double(coefficient(random)), double(coefficient(random))});
    }
    return equations;
}

void BM_EquationSteps(benchmark::State& state) {
    const std::vector<std::array<double, 3>> equations = randomEquations(state.range(0));
    size_t k = 0;
    for (auto _ : state) {
        const auto& e = equations[k++ % equations.size()];
        benchmark::DoNotOptimize(zeto::EquationSteps::of(e[0], e[1], e[2]));
    }
}
BENCHMARK(BM_EquationSteps)->Arg(1000000000)->Arg(999999999999999)->Unit(benchmark::kMicrosecond);

void BM_RadicalStepsTenDigits(benchmark::State& state) {
    double value = 9999999999;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(zeto::RadicalSteps::of(value));
    }
}
BENCHMARK(BM_RadicalStepsTenDigits)->Unit(benchmark::kMicrosecond);

void BM_SequenceSteps(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zeto::SequenceSteps::geometric(3, 0.5));
        benchmark::DoNotOptimize(zeto::SequenceSteps::custom(QStringLiteral("(N+1)/(N^2+2)")));
    }
}
BENCHMARK(BM_SequenceSteps)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
