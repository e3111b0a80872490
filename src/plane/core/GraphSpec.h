#pragma once

#include "plane/core/GraphKind.h"

#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace zeto {

// One graph on the plane as the analysis reads it.
struct GraphSpec {
    GraphKind kind = GraphKind::Linear;
    // Coefficients as the page read them, in the order of the page's fields:
    //  Linear y = K x + B: {K, B}; Quadratic y = A x² + B x + C: {A, B, C};
    //  Logarithm y = log_a x: {a}; Exponential y = aˣ: {a}; Power y = xᵃ: {a};
    //  Sine y = A sin(w x + φ), Cosine y = A cos(w x + φ): {A, w, φ}; Tangent y = tan x and
    //  Cotangent y = 1/tan x: none; Formula: none (f is used);
    //  Line A x + B y + C = 0: {A, B, C}; Circle (x + a)² + (y + b)² = r²: {a, b, r}, so the
    //  centre is (-a, -b); Ellipse (x/a)² + (y/b)² = 1: {a, b}; Hyperbola1 (x/a)² - (y/b)² = 1:
    //  {a, b}; Hyperbola2 (y/a)² - (x/b)² = 1: {a, b}; Parabola1 y² = 2p x: {p};
    //  Parabola2 x² = 2p y: {p}. Semi-axes are |a|, |b| (signs do not matter).
    std::array<double, 3> c{};
    // Functions: the drawn domain [from, to]. Curves and Points: the visible plane, the square
    // from .. to on both axes (the axis length either way).
    double from = -5, to = 5;
    // y at x for the function kinds; throws zeto::VbError where the value is undefined. The
    // built-in kinds fall back to the plotter's own formulas when it is empty; the Formula
    // kind needs it.
    std::function<double(double)> f;
    QString formulaText;          // Formula kind: the formula as the user typed it
    std::vector<QPointF> points;  // Points kind: (n, aₙ) of a sequence
};

}  // namespace zeto
