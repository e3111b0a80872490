#pragma once

#include "tools/core/ExactRoots.h"
#include "tools/core/RadicalReducer.h"

#include <gmpxx.h>

#include <array>
#include <optional>
#include <string>

namespace zeto {

struct QuadraticSolution {
    enum class Kind {
        NotANumber,    // a coefficient is beyond the range of numbers
        NotQuadratic,  // a = 0
        NoRealRoots,   // negative discriminant
        Roots,
    };

    Kind kind = Kind::Roots;
    // X1 is the root with +sqrt(discriminant), X2 the one with -sqrt(discriminant), for the
    // coefficients as typed. The exact forms are present only where every part of both fits
    // the display; the decimals are the roots' text forms, empty beyond the range of doubles.
    std::optional<ExactRoot> exact1;
    std::optional<ExactRoot> exact2;
    std::string x1;
    std::string x2;
    // The common divisor the exact roots were reduced by.
    double commonDivisor = 1;
};

// Solves a*X^2 + b*X + c = 0 exactly, each coefficient taken as the decimal its text shows:
// both roots as correctly rounded decimals and, where every part fits the display, in exact
// form.
class QuadraticSolver {
  public:
    QuadraticSolver(double a, double b, double c);

    QuadraticSolution::Kind kind() const { return kind_; }

    // The discriminant whose square root the exact form needs simplified, when there is one:
    // a whole number above 1 of the coefficients with their common factor divided out, left
    // out where the roots could not fit the display however far it simplifies.
    std::optional<mpz_class> radicand() const;

    // Simplifies radicand() itself.
    QuadraticSolution solve() const;
    // Uses the given simplification of radicand(); one that is not a complete one drops the
    // exact form.
    QuadraticSolution solve(const WholeRadical& simplified) const;

  private:
    bool mightFit() const;
    void exactRoots(QuadraticSolution& solution, const WholeRadical& simplified) const;

    QuadraticSolution::Kind kind_ = QuadraticSolution::Kind::Roots;
    std::array<mpz_class, 3> whole_;
    mpz_class discriminant_;
    bool simplify_ = false;  // whether radicand() has one
};

}  // namespace zeto
