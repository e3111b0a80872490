#pragma once

#include <optional>

namespace zeto {

// Terms and sums of arithmetic and geometric sequences. Doubles never raise, so every
// function reports a result that is not finite as "no result": the page turns that into its
// data-size message.

// a1 + (i - 1) * d.
std::optional<double> arithmeticTerm(double a1, double d, double i);

// q^(i - 1) passes through its text form before it is multiplied by a1, so a listed term
// carries exactly the digits a user would see for the power.
std::optional<double> geometricTerm(double a1, double q, double i);

// n * a1 + (n - 1) * n * d / 2, rounded through its text form.
std::optional<double> arithmeticSum(double a1, double d, double n);

// (1 - q^n) * a1 / (1 - q), with q^n rounded through its text form; n * a1 when q is 1.
std::optional<double> geometricSum(double a1, double q, double n);

}  // namespace zeto
