#pragma once

#include <functional>
#include <optional>

namespace zeto {

// The two one-dimensional searches the numeric analysis of graphs rests on. The searched
// function returns NaN where it is undefined; a search that meets such a point gives up.
class NumericSearch {
  public:
    using Function = std::function<double(double)>;

    // A root and the stretch around it, of a few units in the last place, over which the
    // function changes sign (lo = hi = x where it is exactly 0).
    struct Root {
        double x;
        double lo;
        double hi;
    };
    // Brent's method on [a, b] where g(a) = ga and g(b) = gb have opposite signs.
    static std::optional<Root> brentRoot(const Function& g, double a, double b, double ga,
                                         double gb);

    // The least value of g on [a, b] by golden-section search, for a g that falls and then
    // rises there, down to the spacing of doubles; [lo, hi] is the last bracket. Near the
    // minimum the values differ by rounding alone (over about √ε relative), so the search
    // ends anywhere in that flat bottom.
    struct Minimum {
        double x;
        double value;
        double lo;
        double hi;
    };
    static std::optional<Minimum> goldenMinimum(const Function& g, double a, double b);

    // The decimal of fewest significant digits, at most `digits`, in [lo, hi] that `accept`
    // takes (0 first, when it lies there): the number a numeric result most likely stands for.
    static std::optional<double> shortestDecimal(double lo, double hi,
                                                 const std::function<bool(double)>& accept,
                                                 int digits = 15);
};

}  // namespace zeto
