#include "plane/core/IntersectionFinder.h"

#include "plane/core/ZeroScan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace zeto {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Result = IntersectionFinder::Result;
using Piece = GraphShape::Piece;

bool near(double a, double b, double tolerance = 1e-9) {
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(a));
}

// A numeric coordinate far below the other, such as the y of sin π, is the noise of rounding
// around 0.
Coordinate denoised(const Coordinate& c, const Coordinate& other) {
    if (!c.isApproximate() ||
        std::fabs(c.value()) > 1e-14 * std::max(1.0, std::fabs(other.value())))
        return c;
    return Coordinate::approximate(0);
}

// Sorted, and one point for each place: the more exact of two found at the same place stays.
std::vector<PlanePoint> settled(std::vector<PlanePoint> points) {
    for (PlanePoint& p : points) p = {denoised(p.x, p.y), denoised(p.y, p.x)};
    std::sort(points.begin(), points.end(), PlanePoint::before);
    std::vector<PlanePoint> kept;
    const auto exactness = [](const PlanePoint& p) {
        return int(!p.x.isApproximate()) + int(!p.y.isApproximate());
    };
    for (const PlanePoint& p : points) {
        const auto same = std::find_if(kept.begin(), kept.end(), [&](const PlanePoint& q) {
            return near(p.x.value(), q.x.value()) && near(p.y.value(), q.y.value());
        });
        if (same == kept.end())
            kept.push_back(p);
        else if (exactness(p) > exactness(*same))
            *same = p;
    }
    return kept;
}

// A y known exactly: on a horizontal line, on a polynomial graph at an x known exactly, or
// where a graph is exactly 0 at such an x.
Coordinate yCoordinate(double y, const Coordinate& x, const GraphShape& a, const GraphShape& b) {
    if (!x.isApproximate() && y == 0) return Coordinate::known(0);
    for (const GraphShape* g : {&a, &b}) {
        if (!g->conic()) continue;
        if (const auto level = g->conic()->constantY()) return Coordinate::exact(*level);
        if (x.isApproximate()) continue;
        const SurdNumber exactX =
            x.exactValue() ? *x.exactValue() : SurdNumber(SurdNumber::decimal(x.value()));
        if (const auto value = g->conic()->yAt(exactX)) return Coordinate::exact(*value);
    }
    return Coordinate::approximate(y);
}

Result exactMeeting(const ConicEquation::Meeting& meeting, const GraphShape& a,
                    const GraphShape& b) {
    Result result;
    result.coincide = meeting.coincide;
    for (const ConicEquation::ExactPoint& p : meeting.points)
        if (a.contains(p.x, p.y) && b.contains(p.x, p.y))
            result.points.push_back({Coordinate::exact(p.x), Coordinate::exact(p.y)});
    return result;
}

// A vertical line x = c meets a function once at most.
Result verticalMeeting(const mpq_class& c, const GraphShape& line, const GraphShape& function) {
    Result result;
    const Coordinate x = Coordinate::exact(SurdNumber(c));
    const double y = function.y(x.value());
    if (!std::isnan(y) && line.contains(x.value(), y) && function.contains(x.value(), y))
        result.points.push_back({x, Coordinate::approximate(y)});
    return result;
}

// The points of a sequence that lie on the other graph.
Result sequenceMeeting(const GraphShape& sequence, const GraphShape& other) {
    Result result;
    for (const QPointF& q : sequence.spec().points) {
        const double x = q.x(), y = q.y();
        if (!sequence.contains(x, y) || !other.contains(x, y)) continue;
        bool on = false;
        if (other.spec().kind == GraphKind::Points) {
            const auto& others = other.spec().points;
            on = std::any_of(others.begin(), others.end(), [&](const QPointF& r) {
                return near(x, r.x(), 1e-12) && near(y, r.y(), 1e-12);
            });
        } else if (other.conic()) {
            const double size =
                std::fabs(other.conic()->value(x, 0)) + std::fabs(other.conic()->value(0, y)) + 1;
            on = std::fabs(other.conic()->value(x, y)) <= 1e-9 * size;
        } else {
            on = near(y, other.y(x));
        }
        if (on) result.points.push_back({Coordinate::known(x), Coordinate::known(y)});
    }
    return result;
}

// y at x on the graph of a polynomial y(x).
std::optional<double> polynomialY(const ConicEquation& equation, double x) {
    const ConicEquation::Coefficients& k = equation.exact();
    if (k.yy != 0 || k.y == 0) return std::nullopt;
    return -((k.xx.get_d() * x + k.x.get_d()) * x + k.c.get_d()) / k.y.get_d();
}

// Walks the pieces of `walker` and searches the zeros of the other graph's equation along
// them.
Result alongEquation(const GraphShape& walker, const GraphShape& target) {
    Result result;
    const ConicEquation& equation = *target.conic();
    const auto valueOf = [&](const QPointF& p) {
        return std::isnan(p.y()) || std::isnan(p.x()) ? kNaN : equation.value(p.x(), p.y());
    };
    for (const Piece& piece : walker.pieces()) {
        std::vector<double> g;
        g.reserve(piece.p.size());
        for (const QPointF& p : piece.p) g.push_back(valueOf(p));
        const auto at = [&](double t) { return valueOf(piece.at(t)); };
        const ZeroScan::Result found = ZeroScan::find(piece.t, g, at);
        if (found.everywhere) {
            result.coincide = true;
            return result;
        }
        for (const ZeroScan::Zero& z : found.zeros) {
            const QPointF p = piece.at(z.t);
            if (!walker.contains(p.x(), p.y()) || !target.contains(p.x(), p.y())) continue;
            const Coordinate x =
                piece.byX && z.exact ? Coordinate::known(p.x()) : Coordinate::approximate(p.x());
            // A polynomial graph gives y better than a steep walker does.
            const double y = polynomialY(equation, p.x()).value_or(p.y());
            result.points.push_back({x, yCoordinate(y, x, walker, target)});
        }
    }
    return result;
}

// The value of a function at t, from its samples where it has one there.
double sampled(const GraphShape& function, double t) {
    const Piece& piece = function.pieces().front();
    const auto at = std::lower_bound(piece.t.begin(), piece.t.end(), t);
    if (at != piece.t.end() && *at == t) return piece.p[at - piece.t.begin()].y();
    return function.y(t);
}

// Two functions: the zeros of their difference over the common domain, on the finer of the
// two grids (the grids share their points where the steps agree).
Result betweenFunctions(const GraphShape& a, const GraphShape& b) {
    Result result;
    const double from = std::max(a.spec().from, b.spec().from);
    const double to = std::min(a.spec().to, b.spec().to);
    if (!(from <= to) || a.pieces().empty() || b.pieces().empty()) return result;
    const std::vector<double> t = GraphShape::grid(from, to);
    std::vector<double> g;
    g.reserve(t.size());
    for (double x : t) g.push_back(sampled(a, x) - sampled(b, x));
    const auto difference = [&](double x) { return a.y(x) - b.y(x); };
    const ZeroScan::Result found = ZeroScan::find(t, g, difference);
    result.coincide = found.everywhere;
    for (const ZeroScan::Zero& z : found.zeros) {
        const double y = a.y(z.t);
        if (std::isnan(y)) continue;
        const bool knownZero = z.exact && y == 0;
        result.points.push_back({z.exact ? Coordinate::known(z.t) : Coordinate::approximate(z.t),
                                 knownZero ? Coordinate::known(0) : Coordinate::approximate(y)});
    }
    return result;
}

Result search(const GraphShape& a, const GraphShape& b) {
    if (a.spec().kind == GraphKind::Points) return sequenceMeeting(a, b);
    if (b.spec().kind == GraphKind::Points) return sequenceMeeting(b, a);
    const auto& ea = a.conic();
    const auto& eb = b.conic();
    if (ea && eb)
        if (const auto meeting = ea->meet(*eb)) return exactMeeting(*meeting, a, b);
    if (ea && !eb && ea->constantX()) return verticalMeeting(*ea->constantX(), a, b);
    if (eb && !ea && eb->constantX()) return verticalMeeting(*eb->constantX(), b, a);
    if (!ea && !eb) return betweenFunctions(a, b);
    if (!ea) return alongEquation(a, b);
    if (!eb) return alongEquation(b, a);
    // Two conics: walk the function among them, for the exact x it may give.
    return b.isFunction() && !a.isFunction() ? alongEquation(b, a) : alongEquation(a, b);
}

}  // namespace

Result IntersectionFinder::between(const GraphShape& a, const GraphShape& b) {
    Result result = search(a, b);
    if (result.coincide)
        result.points.clear();
    else
        result.points = settled(std::move(result.points));
    return result;
}

}  // namespace zeto
