// Square-root simplification and quadratic solving: the reduction of a ten-digit prime,
// the whole solve of random whole-number equations, and for comparison the plain trial
// division over every number below the value.

#include "tools/core/QuadraticSolver.h"
#include "tools/core/RadicalReducer.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

void BM_ReduceTenDigitPrime(benchmark::State& state) {
    double value = 9999999967;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(zeto::RadicalReducer::reduce(value));
    }
}
BENCHMARK(BM_ReduceTenDigitPrime);

void BM_ReducePrime999999937(benchmark::State& state) {
    double value = 999999937;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(zeto::RadicalReducer::reduce(value));
    }
}
BENCHMARK(BM_ReducePrime999999937);

// Looks for a divisor among 2 .. v-1, one division at a time.
bool hasDivisorBelow(double v) {
    for (double i = 2; i <= v - 1; ++i) {
        const double quotient = v / i;
        if (quotient == std::floor(quotient)) return true;
    }
    return false;
}

void BM_PlainTrialDivision999999937(benchmark::State& state) {
    double value = 999999937;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(hasDivisorBelow(value));
    }
}
BENCHMARK(BM_PlainTrialDivision999999937)->Iterations(1)->Unit(benchmark::kMillisecond);

std::vector<std::array<double, 3>> randomEquations(int range) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> coefficient(-range, range);
    std::vector<std::array<double, 3>> equations;
    while (equations.size() < 4096) {
        const int a = coefficient(random);
        if (a != 0)
            equations.push_back(
                {double(a), double(coefficient(random)), double(coefficient(random))});
    }
    return equations;
}

void BM_SolveRandomEquation(benchmark::State& state) {
    const auto equations = randomEquations(static_cast<int>(state.range(0)));
    size_t k = 0;
    for (auto _ : state) {
        const auto& e = equations[k++ % equations.size()];
        benchmark::DoNotOptimize(zeto::QuadraticSolver(e[0], e[1], e[2]).solve());
    }
}
BENCHMARK(BM_SolveRandomEquation)->Arg(100)->Arg(1000000)->Arg(1000000000);

}  // namespace

BENCHMARK_MAIN();
