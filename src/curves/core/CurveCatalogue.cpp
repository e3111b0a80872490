#include "curves/core/CurveKind.h"

#include "curves/core/CurvePlotter.h"
#include "platform/core/VbError.h"

#include <algorithm>
#include <cmath>

namespace zeto {
namespace {

// Every curve is drawn on its own domain: a point asked for beyond a vertex (the far end of
// the last step, or a coefficient changed during the sweep) is taken at the vertex, and a
// radicand that rounding leaves a hair below zero counts as zero, so each branch reaches its
// vertex and nothing undefined is ever drawn.
double root(double radicand) {
    return std::sqrt(std::max(radicand, 0.0));
}

void refuse() {
    throw VbError(VbError::InvalidProcedureCall);
}

// Directrices run across three quarters of the plane either way.
Segment upright(double x, double axisLength) {
    return {{x, -0.75 * axisLength}, {x, 0.75 * axisLength}};
}
Segment level(double y, double axisLength) {
    return {{-0.75 * axisLength, y}, {0.75 * axisLength, y}};
}

// A x + B y + C = 0; with B = 0 the vertical line x = -C/A, swept along y.
std::vector<SweepRange> across(const CurveCoefficients&, double axisLength, bool) {
    return {{-axisLength, axisLength}};
}
std::vector<QPointF> lineBranches(double t, const CurveCoefficients& c, std::size_t) {
    const double A = c[0], B = c[1], C = c[2];
    if (B != 0) return {{t, -(A * t + C) / B}};
    if (A == 0) refuse();
    return {{-C / A, t}};
}

// (x/a)^2 + (y/b)^2 = 1 with the semi-axes |a| and |b|.
std::vector<SweepRange> ellipseRanges(const CurveCoefficients& c, double, bool line) {
    const double a = std::fabs(c[0]);
    return {{-a, line ? a - 0.01 : a}};
}
std::vector<QPointF> ellipseBranches(double t, const CurveCoefficients& c, std::size_t) {
    const double a = std::fabs(c[0]), b = std::fabs(c[1]);
    if (a == 0) refuse();
    const double x = std::clamp(t, -a, a);
    const double y = b * root(1 - (x / a) * (x / a));
    return {{x, y}, {x, -y}};
}
std::vector<Segment> ellipseDirectrices(const CurveCoefficients& c, double axisLength) {
    const double a = std::fabs(c[0]), b = std::fabs(c[1]);
    if (b < a) {
        const double d = a * a / std::sqrt(a * a - b * b);
        return {upright(d, axisLength), upright(-d, axisLength)};
    }
    if (b > a) {
        const double d = b * b / std::sqrt(b * b - a * a);
        return {level(d, axisLength), level(-d, axisLength)};
    }
    return {};
}

// (x/a)^2 - (y/b)^2 = 1: a left and a right branch.
std::vector<SweepRange> hyperbola1Ranges(const CurveCoefficients& c, double axisLength, bool line) {
    const double a = std::fabs(c[0]);
    return {{-axisLength, line ? -a - 0.001 : -a}, {a, axisLength}};
}
std::vector<QPointF> hyperbola1Branches(double t, const CurveCoefficients& c, std::size_t range) {
    const double a = std::fabs(c[0]), b = std::fabs(c[1]);
    if (a == 0) refuse();
    const double x = range == 0 ? std::min(t, -a) : std::max(t, a);
    const double y = b * root((x / a) * (x / a) - 1);
    return {{x, y}, {x, -y}};
}
std::vector<Segment> hyperbola1Directrices(const CurveCoefficients& c, double axisLength) {
    const double a = c[0], b = c[1];
    const double d = a * a / std::sqrt(a * a + b * b);
    return {upright(d, axisLength), upright(-d, axisLength)};
}

// (y/a)^2 - (x/b)^2 = 1: an upper and a lower branch over the whole width.
std::vector<QPointF> hyperbola2Branches(double t, const CurveCoefficients& c, std::size_t) {
    const double a = std::fabs(c[0]), b = std::fabs(c[1]);
    if (a == 0 || b == 0) refuse();
    const double y = a * root(1 + (t / b) * (t / b));
    return {{t, y}, {t, -y}};
}
std::vector<Segment> hyperbola2Directrices(const CurveCoefficients& c, double axisLength) {
    const double a = c[0], b = c[1];
    const double d = a * a / std::sqrt(a * a + b * b);
    return {level(d, axisLength), level(-d, axisLength)};
}

// y^2 = 2px, on the side of x where p x >= 0; p = 0 runs along the positive x axis.
std::vector<SweepRange> parabola1Ranges(const CurveCoefficients& c, double axisLength, bool line) {
    if (c[0] >= 0) return {{0, axisLength}};
    // The line method stops where the far end of a segment would pass the vertex.
    return {{-axisLength, line ? -0.0101 : 0}};
}
std::vector<QPointF> parabola1Branches(double t, const CurveCoefficients& c, std::size_t) {
    const double p = c[0];
    const double x = p >= 0 ? std::max(t, 0.0) : std::min(t, 0.0);
    const double y = root(2 * p * x);
    return {{x, y}, {x, -y}};
}
std::vector<Segment> parabola1Directrices(const CurveCoefficients& c, double axisLength) {
    const double x = -c[0] / 2;
    return {{{x, 0.75 * axisLength}, {x, -0.75 * axisLength}}};
}

// x^2 = 2py.
std::vector<QPointF> parabola2Branches(double t, const CurveCoefficients& c, std::size_t) {
    const double p = c[0];
    if (p == 0) refuse();
    return {{t, t * t / (2 * p)}};
}
std::vector<Segment> parabola2Directrices(const CurveCoefficients& c, double axisLength) {
    return {level(-c[0] / 2, axisLength)};
}

std::vector<Segment> none(const CurveCoefficients&, double) {
    return {};
}

const QString kNone;

}  // namespace

const std::array<CurveKind, 7>& CurveCatalogue::kinds() {
    using K = GraphKind;
    const auto swept = CurvePlotter::plot;
    static const std::array<CurveKind, 7> table = {{
        {QStringLiteral("直线"),
         QStringLiteral("AX+BY+C=0"),
         {QStringLiteral("A="), QStringLiteral("B="), QStringLiteral("C=")},
         false,
         K::Line,
         {across, lineBranches, true, none},
         swept},
        {QStringLiteral("圆"),
         QStringLiteral("(X+a)^2+(Y+b)^2=r^2"),
         {QStringLiteral("a="), QStringLiteral("b="), QStringLiteral("r=")},
         false,
         K::Circle,
         {nullptr, nullptr, false, none},
         CurvePlotter::circle},
        {QStringLiteral("椭圆"),
         QStringLiteral("(X/a)^2+(Y/b)^2=1"),
         {QStringLiteral("a="), QStringLiteral("b="), kNone},
         true,
         K::Ellipse,
         {ellipseRanges, ellipseBranches, false, ellipseDirectrices},
         swept},
        {QStringLiteral("双曲线1"),
         QStringLiteral("(X/a)^2-(Y/b)^2=1"),
         {QStringLiteral("a="), QStringLiteral("b="), kNone},
         true,
         K::Hyperbola1,
         {hyperbola1Ranges, hyperbola1Branches, false, hyperbola1Directrices},
         swept},
        {QStringLiteral("双曲线2"),
         QStringLiteral("(Y/a)^2-(X/b)^2=1"),
         {QStringLiteral("a="), QStringLiteral("b="), kNone},
         true,
         K::Hyperbola2,
         {across, hyperbola2Branches, false, hyperbola2Directrices},
         swept},
        {QStringLiteral("抛物线1"),
         QStringLiteral("Y^2=2pX"),
         {QStringLiteral("P="), kNone, kNone},
         true,
         K::Parabola1,
         {parabola1Ranges, parabola1Branches, false, parabola1Directrices},
         swept},
        {QStringLiteral("抛物线2"),
         QStringLiteral("X^2=2pY"),
         {QStringLiteral("P="), kNone, kNone},
         true,
         K::Parabola2,
         {across, parabola2Branches, false, parabola2Directrices},
         swept},
    }};
    return table;
}

const CurveKind* CurveCatalogue::find(const QString& item) {
    for (const CurveKind& kind : kinds())
        if (kind.item == item) return &kind;
    return nullptr;
}

const CurveKind* CurveCatalogue::find(GraphKind graph) {
    for (const CurveKind& kind : kinds())
        if (kind.graph == graph) return &kind;
    return nullptr;
}

}  // namespace zeto
