#include "plane/core/ZeroScan.h"

#include "platform/core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zeto {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// A root whose decimal needs all the digits shown may be 0 there by the rounding of one
// evaluation; one of fewer digits hardly.
constexpr int kExactDigits = 12;

bool valid(double v) {
    return !std::isnan(v);
}

// The typical size of the values, which the noise of their rounding scales with.
double typicalSize(const std::vector<double>& g) {
    std::vector<double> sizes;
    for (double v : g)
        if (valid(v)) sizes.push_back(std::fabs(v));
    if (sizes.empty()) return 0;
    auto middle = sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2);
    std::nth_element(sizes.begin(), middle, sizes.end());
    return std::isfinite(*middle) ? *middle : 0;
}

// The least value of the parabola through three samples, which tells a dip that may reach 0
// from a trough that stays well clear of it.
bool mayReachZero(double t0, double g0, double t1, double g1, double t2, double g2) {
    const double d1 = (g1 - g0) / (t1 - t0);
    const double d2 = (g2 - g1) / (t2 - t1);
    const double curvature = (d2 - d1) / (t2 - t0);
    if (!(curvature * g1 > 0)) return false;
    const double vertex = (t0 + t1) / 2 - d1 / (2 * curvature);
    const double least = g0 + d1 * (vertex - t0) + curvature * (vertex - t0) * (vertex - t1);
    return std::fabs(least) <= std::fabs(g1) / 2 || (least > 0) != (g1 > 0);
}

// Whether the decimal c, found where g is exactly 0 within [lo, hi], is most likely the very
// root: it has at most 12 significant digits, and three fewer than it takes to land inside so
// narrow a stretch by chance.
bool decisive(double c, double lo, double hi) {
    if (c == 0) return true;
    const int digits = static_cast<int>(significantDigits(c, 17).digits.size());
    const double width = hi - lo;
    const int chance =
        width > 0 ? 1 + static_cast<int>(std::floor(std::log10(std::fabs(c) / width))) : 17;
    return digits <= std::min(kExactDigits, chance - 3);
}

class Scanner {
  public:
    Scanner(const NumericSearch::Function& at, double typical)
        : at_(at), tiny_(1e-12 * typical), noise_(8 * kEpsilon * typical) {}

    void crossing(double a, double b, double ga, double gb) {
        const auto root = NumericSearch::brentRoot(at_, a, b, ga, gb);
        if (!root) return;
        const double value = at_(root->x);
        // Near a pole or a jump the value stays large however narrow the bracket gets.
        const double bound = std::max(tiny_, 1e-6 * std::min(std::fabs(ga), std::fabs(gb)));
        if (!valid(value) || std::fabs(value) > bound) return;
        add(root->x, root->lo, root->hi);
    }

    void dip(double a, double b) {
        const auto least =
            NumericSearch::goldenMinimum([this](double t) { return std::fabs(at_(t)); }, a, b);
        if (!least || least->value > tiny_) return;
        // Within the noise of rounding the graph lies on 0 over a whole stretch, of about √ε
        // relative: no digit beyond its width is known, so the zero is the shortest decimal
        // there.
        const double level = std::max(noise_, least->value);
        const auto small = [this, level](double t) {
            const double v = at_(t);
            return valid(v) && std::fabs(v) <= level;
        };
        const double left = edge(least->x, a, small);
        const double right = edge(least->x, b, small);
        const double x = NumericSearch::shortestDecimal(left, right, small).value_or(least->x);
        zeros.push_back({x, at_(x) == 0 && decisive(x, left, right)});
    }

    void add(double t, double lo, double hi) {
        const auto exact = NumericSearch::shortestDecimal(
            lo, hi, [this](double c) { return at_(c) == 0; }, kExactDigits);
        zeros.push_back({exact.value_or(t), exact && decisive(*exact, lo, hi)});
    }

    std::vector<ZeroScan::Zero> zeros;

  private:
    // The last point from `inside` towards `outside` where `small` still holds.
    template <typename Small>
    static double edge(double inside, double outside, const Small& small) {
        if (small(outside)) return outside;
        for (int step = 0; step < 60; ++step) {
            const double middle = inside + (outside - inside) / 2;
            if (middle == inside || middle == outside) break;
            (small(middle) ? inside : outside) = middle;
        }
        return inside;
    }

    const NumericSearch::Function& at_;
    double tiny_;
    double noise_;
};

}  // namespace

ZeroScan::Result ZeroScan::find(const std::vector<double>& t, const std::vector<double>& g,
                                const NumericSearch::Function& at) {
    Result result;
    const std::size_t n = std::min(t.size(), g.size());
    std::size_t defined = 0, zero = 0;
    for (std::size_t k = 0; k < n; ++k) {
        defined += valid(g[k]);
        zero += g[k] == 0;
    }
    if (defined > 1 && zero == defined) {
        result.everywhere = true;
        return result;
    }
    Scanner scanner(at, typicalSize(g));
    for (std::size_t k = 0; k < n; ++k) {
        if (g[k] == 0) {
            scanner.add(t[k], t[k], t[k]);
            continue;
        }
        if (!valid(g[k])) continue;
        if (k + 1 < n && valid(g[k + 1]) && g[k + 1] != 0 && (g[k] > 0) != (g[k + 1] > 0))
            scanner.crossing(t[k], t[k + 1], g[k], g[k + 1]);
        if (k == 0 || k + 1 >= n) continue;
        const double before = g[k - 1], after = g[k + 1];
        if (!valid(before) || !valid(after) || before == 0 || after == 0) continue;
        const bool sameSide = (before > 0) == (g[k] > 0) && (after > 0) == (g[k] > 0);
        if (sameSide && std::fabs(g[k]) <= std::fabs(before) &&
            std::fabs(g[k]) < std::fabs(after) &&
            mayReachZero(t[k - 1], before, t[k], g[k], t[k + 1], after))
            scanner.dip(t[k - 1], t[k + 1]);
    }
    std::vector<Zero>& zeros = scanner.zeros;
    std::sort(zeros.begin(), zeros.end(), [](const Zero& a, const Zero& b) { return a.t < b.t; });
    for (const Zero& z : zeros) {
        if (!result.zeros.empty()) {
            Zero& last = result.zeros.back();
            if (z.t - last.t <= 1e-9 * std::max(1.0, std::fabs(z.t))) {
                if (z.exact && !last.exact) last = z;
                continue;
            }
        }
        result.zeros.push_back(z);
    }
    return result;
}

}  // namespace zeto
