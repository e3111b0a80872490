#pragma once

#include "plane/core/GraphSpec.h"
#include "tools/core/SurdNumber.h"

#include <gmpxx.h>

#include <optional>
#include <vector>

namespace zeto {

// The equation xx·x² + yy·y² + x·x + y·y + c = 0 with rational coefficients that every
// algebraic graph on the plane satisfies: lines, the linear and quadratic functions and the
// conics, each coefficient taken as the decimal its text shows.
class ConicEquation {
  public:
    struct Coefficients {
        mpq_class xx, yy, x, y, c;
    };
    struct ExactPoint {
        SurdNumber x;
        SurdNumber y;
    };
    struct Meeting {
        bool coincide = false;  // the two are one and the same curve
        std::vector<ExactPoint> points;
    };

    explicit ConicEquation(const Coefficients& k);
    // Nothing for the other kinds, and for coefficients that describe no curve.
    static std::optional<ConicEquation> of(const GraphSpec& graph);

    const Coefficients& exact() const { return k_; }
    double value(double x, double y) const;
    bool isLine() const { return k_.xx == 0 && k_.yy == 0; }
    // y at x where the curve is the graph of a polynomial y(x) (yy = 0, y ≠ 0).
    std::optional<SurdNumber> yAt(const SurdNumber& x) const;
    // The one x of a vertical line, the one y of a horizontal one.
    std::optional<mpq_class> constantX() const;
    std::optional<mpq_class> constantY() const;

    // The common points worked out exactly, when a line and the first curve are all it takes
    // (one of the two is a line, or their x² and y² terms are in proportion, as for two circles
    // or two polynomial graphs, so that a combination of the two equations is a line), or when
    // both are centred on the origin with their axes on the axes (ellipses, hyperbolas, a
    // circle about the origin), where the equations are linear in x² and y². Nothing where the
    // points need numeric search.
    std::optional<Meeting> meet(const ConicEquation& other) const;

  private:
    static Meeting lineMeet(const Coefficients& line, const Coefficients& curve);
    static Meeting centralMeet(const Coefficients& p, const Coefficients& q);

    Coefficients k_;
    double xx_, yy_, x_, y_, c_;
};

}  // namespace zeto
