#include "plane/core/NumericSearch.h"

#include "platform/core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

namespace zeto {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr int kMaxSteps = 200;

}  // namespace

std::optional<NumericSearch::Root> NumericSearch::brentRoot(const Function& g, double a, double b,
                                                            double ga, double gb) {
    if (ga == 0) return Root{a, a, a};
    if (gb == 0) return Root{b, b, b};
    if ((ga > 0) == (gb > 0) || std::isnan(ga) || std::isnan(gb)) return std::nullopt;
    // b is the best guess, c the other end of the bracket, a the previous b.
    double c = a, gc = ga;
    double d = b - a, e = d;
    for (int step = 0; step < kMaxSteps; ++step) {
        if ((gb > 0) == (gc > 0)) {
            c = a;
            gc = ga;
            d = e = b - a;
        }
        if (std::fabs(gc) < std::fabs(gb)) {
            a = b;
            b = c;
            c = a;
            ga = gb;
            gb = gc;
            gc = ga;
        }
        // Down to the spacing of doubles, with a floor that only matters right at 0.
        const double tolerance = 2 * kEpsilon * std::fabs(b) + std::numeric_limits<double>::min();
        const double half = (c - b) / 2;
        if (std::fabs(half) <= tolerance || gb == 0) break;
        if (std::fabs(e) < tolerance || std::fabs(ga) <= std::fabs(gb)) {
            d = e = half;
        } else {
            // Secant when only two points are known, inverse quadratic interpolation else.
            double p, q;
            const double s = gb / ga;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double qa = ga / gc, r = gb / gc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = half;
            }
        }
        a = b;
        ga = gb;
        b += std::fabs(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
        gb = g(b);
        if (std::isnan(gb)) return std::nullopt;
    }
    if (gb == 0) return Root{b, b, b};
    return Root{b, std::min(b, c), std::max(b, c)};
}

std::optional<NumericSearch::Minimum> NumericSearch::goldenMinimum(const Function& g, double a,
                                                                   double b) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double gc = g(c), gd = g(d);
    for (int step = 0; step < kMaxSteps; ++step) {
        if (std::isnan(gc) || std::isnan(gd)) return std::nullopt;
        const double middle = (a + b) / 2;
        if (b - a <= 4 * kEpsilon * std::fabs(middle) || c >= d) break;
        if (gc < gd) {
            b = d;
            d = c;
            gd = gc;
            c = b - ratio * (b - a);
            gc = g(c);
        } else {
            a = c;
            c = d;
            gc = gd;
            d = a + ratio * (b - a);
            gd = g(d);
        }
    }
    if (std::isnan(gc) || std::isnan(gd)) return std::nullopt;
    return gc < gd ? Minimum{c, gc, a, b} : Minimum{d, gd, a, b};
}

std::optional<double> NumericSearch::shortestDecimal(double lo, double hi,
                                                     const std::function<bool(double)>& accept,
                                                     int digits) {
    if (lo <= 0 && 0 <= hi && accept(0)) return 0.0;
    const double middle = lo + (hi - lo) / 2;
    for (int k = 1; k <= digits; ++k) {
        const std::string text = formatDigits(significantDigits(middle, k), k);
        const double candidate = std::strtod(text.c_str(), nullptr);
        if (lo <= candidate && candidate <= hi && accept(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace zeto
