#include "plane/core/GraphShape.h"

#include "plane/core/FunctionFormulas.h"
#include "platform/core/VbError.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zeto {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kGridSteps = 4096;
const double kPi = std::acos(-1.0);

// The plotter's own formula of a built-in kind.
std::function<double(double)> builtIn(const GraphSpec& graph) {
    const FunctionFormula formula = functionFormula(graph.kind);
    if (!formula) return {};
    const std::array<double, 3> c = graph.c;
    return [formula, c](double x) { return formula(x, c); };
}

// f(x), NaN where it is undefined or no number.
double valueOf(const std::function<double(double)>& f, double x) {
    if (!f) return kNaN;
    try {
        const double v = f(x);
        return std::isfinite(v) ? v : kNaN;
    } catch (const VbError&) {
        return kNaN;
    }
}

}  // namespace

GraphShape::GraphShape(GraphSpec spec)
    : spec_(std::move(spec)),
      conic_(ConicEquation::of(spec_)),
      f_(spec_.f),
      from_(SurdNumber::decimal(spec_.from)),
      to_(SurdNumber::decimal(spec_.to)) {
    if (!f_ && isFunction()) f_ = builtIn(spec_);
}

bool GraphShape::isFunction() const {
    return spec_.kind <= GraphKind::Formula;
}

double GraphShape::y(double x) const {
    return valueOf(f_, x);
}

bool GraphShape::contains(double x, double y) const {
    const double from = spec_.from, to = spec_.to;
    if (!(from <= x && x <= to)) return false;
    return isFunction() || (from <= y && y <= to);
}

bool GraphShape::contains(const SurdNumber& x, const SurdNumber& y) const {
    const SurdNumber from(from_), to(to_);
    if (x.compare(from) < 0 || x.compare(to) > 0) return false;
    return isFunction() || (y.compare(from) >= 0 && y.compare(to) <= 0);
}

std::vector<double> GraphShape::grid(double from, double to) {
    std::vector<double> t;
    if (!std::isfinite(from) || !std::isfinite(to) || from > to) return t;
    t.push_back(from);
    if (to == from) return t;
    // A power of two: the grid holds 0 and the whole numbers exactly, and two grids over
    // different stretches share their points.
    const double step = std::exp2(std::floor(std::log2((to - from) / kGridSteps)));
    for (double k = std::floor(from / step) + 1; k * step < to; ++k) t.push_back(k * step);
    t.push_back(to);
    return t;
}

const std::vector<GraphShape::Piece>& GraphShape::pieces() const {
    if (!pieces_) {
        pieces_.emplace();
        addPieces();
    }
    return *pieces_;
}

void GraphShape::addPiece(bool byX, double from, double to,
                          std::function<QPointF(double)> at) const {
    Piece piece;
    piece.byX = byX;
    piece.at = std::move(at);
    if (byX) {
        piece.t = grid(from, to);
    } else {
        for (int k = 0; k <= kGridSteps / 2; ++k)
            piece.t.push_back(from + (to - from) * k / (kGridSteps / 2));
    }
    piece.p.reserve(piece.t.size());
    for (double t : piece.t) piece.p.push_back(piece.at(t));
    pieces_->push_back(std::move(piece));
}

void GraphShape::addPieces() const {
    const auto& c = spec_.c;
    const double from = spec_.from, to = spec_.to;
    // The parameters of the curves reach the edge of the square of the plane.
    const double reach = std::max(std::fabs(from), std::fabs(to));
    const double a = std::fabs(c[0]), b = std::fabs(c[1]);
    if (isFunction()) {
        addPiece(true, from, to, [f = f_](double x) { return QPointF(x, valueOf(f, x)); });
        return;
    }
    if (!conic_) return;
    switch (spec_.kind) {
        case GraphKind::Line:
            if (c[1] == 0)
                addPiece(false, from, to, [c](double t) { return QPointF(-c[2] / c[0], t); });
            else
                addPiece(true, from, to,
                         [c](double x) { return QPointF(x, -(c[0] * x + c[2]) / c[1]); });
            break;
        case GraphKind::Circle: {
            const double r = std::fabs(c[2]);
            if (r > 0)
                addPiece(false, 0, 2 * kPi, [c, r](double t) {
                    return QPointF(-c[0] + r * std::cos(t), -c[1] + r * std::sin(t));
                });
            break;
        }
        case GraphKind::Ellipse:
            addPiece(false, 0, 2 * kPi,
                     [a, b](double t) { return QPointF(a * std::cos(t), b * std::sin(t)); });
            break;
        case GraphKind::Hyperbola1: {
            if (reach < a) break;
            const double u = std::min(std::acosh(reach / a), std::asinh(reach / b));
            for (double side : {-1.0, 1.0})
                addPiece(false, -u, u, [a, b, side](double t) {
                    return QPointF(side * a * std::cosh(t), b * std::sinh(t));
                });
            break;
        }
        case GraphKind::Hyperbola2: {
            if (reach < a) break;
            const double u = std::min(std::acosh(reach / a), std::asinh(reach / b));
            for (double side : {-1.0, 1.0})
                addPiece(false, -u, u, [a, b, side](double t) {
                    return QPointF(b * std::sinh(t), side * a * std::cosh(t));
                });
            break;
        }
        case GraphKind::Parabola1: {
            const double p = c[0], span = std::min(reach, std::sqrt(2 * std::fabs(p) * reach));
            addPiece(false, -span, span, [p](double t) { return QPointF(t * t / (2 * p), t); });
            break;
        }
        case GraphKind::Parabola2: {
            const double p = c[0], span = std::min(reach, std::sqrt(2 * std::fabs(p) * reach));
            addPiece(true, -span, span, [p](double x) { return QPointF(x, x * x / (2 * p)); });
            break;
        }
        default:
            break;
    }
}

}  // namespace zeto
