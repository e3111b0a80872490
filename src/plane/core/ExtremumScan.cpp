#include "plane/core/ExtremumScan.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace zeto {
namespace {

// The last point from `inside` towards `outside` where `holds` still does.
double edge(double inside, double outside, const std::function<bool(double)>& holds) {
    for (int step = 0; step < 60; ++step) {
        const double middle = inside + (outside - inside) / 2;
        if (middle == inside || middle == outside) break;
        (holds(middle) ? inside : outside) = middle;
    }
    return inside;
}

// Refines the turn of f between a and c around the sample between them, of value yb; `sign` is +1
// for a maximum.
std::optional<ExtremumScan::Turn> refine(const NumericSearch::Function& f, double sign, double a,
                                         double ya, double yb, double c, double yc) {
    const auto least = NumericSearch::goldenMinimum([&](double t) { return -sign * f(t); }, a, c);
    if (!least) return std::nullopt;
    const double best = -sign * least->value;
    // A smooth turn rises above the best sample by at most a quarter of its step to the lower
    // neighbour.
    const double step = sign * (yb - (sign > 0 ? std::min(ya, yc) : std::max(ya, yc)));
    const double gain = sign * (best - yb);
    if (!std::isfinite(best) || gain > step + 1e-12 * std::fabs(yb)) return std::nullopt;
    const double margin = 1e-6 * (c - a);
    if (least->x - a < margin || c - least->x < margin) return std::nullopt;
    // Values this near a turn differ by rounding alone, so no digit is known beyond the
    // stretch where they are as good as the best: take the shortest decimal there.
    const double noise = 8 * std::numeric_limits<double>::epsilon() *
                         std::max({std::fabs(best), std::fabs(ya), std::fabs(yc)});
    const auto asGood = [&](double t) {
        const double v = f(t);
        return !std::isnan(v) && sign * v >= sign * best - noise;
    };
    const double x =
        NumericSearch::shortestDecimal(edge(least->x, a, asGood), edge(least->x, c, asGood), asGood)
            .value_or(least->x);
    // The value too carries no digit below the noise.
    const double y = NumericSearch::shortestDecimal(best - noise, best + noise, [](double) {
                         return true;
                     }).value_or(best);
    return ExtremumScan::Turn{x, y, sign > 0};
}

}  // namespace

std::vector<ExtremumScan::Turn> ExtremumScan::find(const std::vector<double>& x,
                                                   const std::vector<double>& y,
                                                   const NumericSearch::Function& f) {
    std::vector<Turn> turns;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const double before = y[k - 1], here = y[k], after = y[k + 1];
        if (std::isnan(before) || std::isnan(here) || std::isnan(after)) continue;
        double sign = 0;
        if (here > before && here >= after) sign = 1;
        if (here < before && here <= after) sign = -1;
        if (sign == 0) continue;
        if (const auto turn = refine(f, sign, x[k - 1], before, here, x[k + 1], after))
            turns.push_back(*turn);
    }
    return turns;
}

}  // namespace zeto
