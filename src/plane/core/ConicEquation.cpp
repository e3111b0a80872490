#include "plane/core/ConicEquation.h"

#include <cmath>

namespace zeto {
namespace {

mpq_class decimal(double v) {
    return SurdNumber::decimal(v);
}

}  // namespace

ConicEquation::ConicEquation(const Coefficients& k)
    : k_(k),
      xx_(k.xx.get_d()),
      yy_(k.yy.get_d()),
      x_(k.x.get_d()),
      y_(k.y.get_d()),
      c_(k.c.get_d()) {}

std::optional<ConicEquation> ConicEquation::of(const GraphSpec& graph) {
    for (double v : graph.c)
        if (!std::isfinite(v)) return std::nullopt;
    const mpq_class a = decimal(graph.c[0]), b = decimal(graph.c[1]), c = decimal(graph.c[2]);
    const mpq_class aa = a * a, bb = b * b;
    switch (graph.kind) {
        case GraphKind::Linear:
            return ConicEquation({0, 0, a, -1, b});
        case GraphKind::Quadratic:
            return ConicEquation({a, 0, b, -1, c});
        case GraphKind::Line:
            if (a == 0 && b == 0) return std::nullopt;
            return ConicEquation({0, 0, a, b, c});
        case GraphKind::Circle:
            return ConicEquation({1, 1, 2 * a, 2 * b, aa + bb - c * c});
        case GraphKind::Ellipse:
        case GraphKind::Hyperbola1:
        case GraphKind::Hyperbola2:
            if (a == 0 || b == 0) return std::nullopt;
            if (graph.kind == GraphKind::Ellipse) return ConicEquation({bb, aa, 0, 0, -aa * bb});
            if (graph.kind == GraphKind::Hyperbola1)
                return ConicEquation({bb, -aa, 0, 0, -aa * bb});
            return ConicEquation({-aa, bb, 0, 0, -aa * bb});
        case GraphKind::Parabola1:
            if (a == 0) return std::nullopt;
            return ConicEquation({0, 1, -2 * a, 0, 0});
        case GraphKind::Parabola2:
            if (a == 0) return std::nullopt;
            return ConicEquation({1, 0, 0, -2 * a, 0});
        default:
            return std::nullopt;
    }
}

double ConicEquation::value(double x, double y) const {
    return (xx_ * x + x_) * x + (yy_ * y + y_) * y + c_;
}

std::optional<SurdNumber> ConicEquation::yAt(const SurdNumber& x) const {
    if (k_.yy != 0 || k_.y == 0) return std::nullopt;
    if (k_.xx == 0 && k_.x == 0) return SurdNumber(mpq_class(-k_.c / k_.y));
    const SurdNumber sum = (SurdNumber(k_.xx) * x + SurdNumber(k_.x)) * x + SurdNumber(k_.c);
    return sum / SurdNumber(mpq_class(-k_.y));
}

std::optional<mpq_class> ConicEquation::constantX() const {
    if (!isLine() || k_.y != 0 || k_.x == 0) return std::nullopt;
    return mpq_class(-k_.c / k_.x);
}

std::optional<mpq_class> ConicEquation::constantY() const {
    if (!isLine() || k_.x != 0 || k_.y == 0) return std::nullopt;
    return mpq_class(-k_.c / k_.y);
}

ConicEquation::Meeting ConicEquation::lineMeet(const Coefficients& line, const Coefficients& q) {
    Meeting meeting;
    if (line.y != 0) {
        // y = m x + k turns the curve's equation into a quadratic in x.
        const mpq_class m = -line.x / line.y, k = -line.c / line.y;
        const mpq_class a = q.xx + q.yy * m * m;
        const mpq_class b = 2 * q.yy * m * k + q.x + q.y * m;
        const mpq_class c = q.yy * k * k + q.y * k + q.c;
        if (a == 0 && b == 0) {
            meeting.coincide = c == 0;
            return meeting;
        }
        for (const SurdNumber& x : SurdNumber::quadraticRoots(a, b, c))
            meeting.points.push_back({x, SurdNumber(m) * x + SurdNumber(k)});
        return meeting;
    }
    if (line.x == 0) {
        meeting.coincide = line.c == 0;
        return meeting;
    }
    const mpq_class x = -line.c / line.x;
    const mpq_class a = q.yy, b = q.y, c = q.xx * x * x + q.x * x + q.c;
    if (a == 0 && b == 0) {
        meeting.coincide = c == 0;
        return meeting;
    }
    for (const SurdNumber& y : SurdNumber::quadraticRoots(a, b, c))
        meeting.points.push_back({SurdNumber(x), y});
    return meeting;
}

ConicEquation::Meeting ConicEquation::centralMeet(const Coefficients& p, const Coefficients& q) {
    // Both equations are linear in x² and y², and the determinant is not 0.
    const mpq_class determinant = p.xx * q.yy - p.yy * q.xx;
    const mpq_class xSquare = (q.c * p.yy - p.c * q.yy) / determinant;
    const mpq_class ySquare = (p.c * q.xx - q.c * p.xx) / determinant;
    Meeting meeting;
    if (xSquare < 0 || ySquare < 0) return meeting;
    const auto both = [](const mpq_class& square) {
        const SurdNumber root = SurdNumber::squareRoot(square);
        return square == 0 ? std::vector<SurdNumber>{root} : std::vector<SurdNumber>{-root, root};
    };
    for (const SurdNumber& x : both(xSquare))
        for (const SurdNumber& y : both(ySquare)) meeting.points.push_back({x, y});
    return meeting;
}

std::optional<ConicEquation::Meeting> ConicEquation::meet(const ConicEquation& other) const {
    if (isLine()) return lineMeet(k_, other.k_);
    if (other.isLine()) return lineMeet(other.k_, k_);
    const Coefficients& o = other.k_;
    if (k_.xx * o.yy != k_.yy * o.xx) {
        if (k_.x == 0 && k_.y == 0 && o.x == 0 && o.y == 0) return centralMeet(k_, o);
        return std::nullopt;
    }
    // λ·this - μ·other drops the square terms; λ is not 0, or the other were a line.
    const mpq_class lambda = k_.xx != 0 ? o.xx : o.yy;
    const mpq_class mu = k_.xx != 0 ? k_.xx : k_.yy;
    const Coefficients line{0, 0, lambda * k_.x - mu * o.x, lambda * k_.y - mu * o.y,
                            lambda * k_.c - mu * o.c};
    if (line.x == 0 && line.y == 0) {
        Meeting meeting;
        meeting.coincide = line.c == 0;
        return meeting;
    }
    return lineMeet(line, k_);
}

}  // namespace zeto
