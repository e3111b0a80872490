#pragma once

namespace zeto {

// What a plot on the plane shows: a function kind of the function page, a curve of the curve
// page, or the points of a sequence.
enum class GraphKind {
    Linear,
    Quadratic,
    Logarithm,
    Exponential,
    Power,
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    Formula,
    Line,
    Circle,
    Ellipse,
    Hyperbola1,
    Hyperbola2,
    Parabola1,
    Parabola2,
    Points,
};

}  // namespace zeto
