#pragma once

#include "tools/core/ExactRoots.h"
#include "tools/core/RadicalReducer.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zeto {

struct QuadraticSolution {
    enum class Kind {
        NotANumber,    // a coefficient is beyond the range of numbers
        NotQuadratic,  // a = 0
        NoRealRoots,   // negative discriminant
        Roots,
    };

    Kind kind = Kind::Roots;
    // X1 is the root with +sqrt(discriminant), X2 the one with -sqrt(discriminant).
    // The exact forms are present only where they are certain, the decimal values only
    // where the root lies within the range of doubles.
    std::optional<ExactRoot> exact1;
    std::optional<ExactRoot> exact2;
    std::optional<double> x1;
    std::optional<double> x2;
    // The common divisor the exact roots were reduced by.
    std::int64_t Chu = 1;
};

// Solves a*X^2 + b*X + c = 0: both roots as decimals and, where the coefficients allow an
// exact whole-number computation, in exact form.
class QuadraticSolver {
  public:
    QuadraticSolver(double a, double b, double c);

    QuadraticSolution::Kind kind() const { return kind_; }

    // The discriminant whose square root the exact form needs simplified, when there is
    // one: a whole number above 1 and at most RadicalReducer::kExactLimit.
    std::optional<double> radicand() const;

    // Simplifies radicand() itself.
    QuadraticSolution solve() const;
    // Uses the given simplification of radicand(); an inconsistent one drops the exact form.
    QuadraticSolution solve(const Radical& simplified) const;

  private:
    void decimalRoots(QuadraticSolution& solution) const;
    void exactRoots(QuadraticSolution& solution, const Radical& simplified) const;

    double a_;
    double b_;
    double c_;
    QuadraticSolution::Kind kind_ = QuadraticSolution::Kind::Roots;
    std::optional<std::array<std::int64_t, 3>> whole_;
    __int128 discriminant_ = 0;  // of the whole coefficients, when there are any
};

}  // namespace zeto
