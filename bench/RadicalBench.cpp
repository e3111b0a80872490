// Square-root simplification and quadratic solving: the reduction of a ten-digit prime as
// mysqr runs it, the whole solve of random whole-number equations and of random equations
// with nine decimal places, and for comparison the plain trial division over every number
// below the value. Run: build/bench/RadicalBench

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

// Random coefficients k * scale with whole k in [-range, range], a != 0.
std::vector<std::array<double, 3>> randomEquations(long long range, double scale) {
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<long long> coefficient(-range, range);
    std::vector<std::array<double, 3>> equations;
    while (equations.size() < 4096) {
        const long long a = coefficient(random);
        if (a != 0)
            equations.push_back({double(a) * scale, double(coefficient(random)) * scale,
                                 double(coefficient(random)) * scale});
    }
    return equations;
}

void solveAll(benchmark::State& state, const std::vector<std::array<double, 3>>& equations) {
    size_t k = 0;
    for (auto _ : state) {
        const auto& e = equations[k++ % equations.size()];
        benchmark::DoNotOptimize(zeto::QuadraticSolver(e[0], e[1], e[2]).solve());
    }
}

void BM_SolveRandomEquation(benchmark::State& state) {
    solveAll(state, randomEquations(state.range(0), 1));
}
BENCHMARK(BM_SolveRandomEquation)->Arg(100)->Arg(1000000)->Arg(1000000000);

// Coefficients such as -123.456789012: nine decimal places, up to 12 significant digits.
void BM_SolveRandomNineDecimalEquation(benchmark::State& state) {
    solveAll(state, randomEquations(1000000000000, 1e-9));
}
BENCHMARK(BM_SolveRandomNineDecimalEquation)->Unit(benchmark::kMicrosecond);

// Whole coefficients of 15 digits: discriminants of about 30 digits, the hardest to split.
void BM_SolveRandomFifteenDigitEquation(benchmark::State& state) {
    solveAll(state, randomEquations(999999999999999, 1));
}
BENCHMARK(BM_SolveRandomFifteenDigitEquation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
