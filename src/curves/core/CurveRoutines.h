#pragma once

#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zeto {

using CurveCoefficients = std::array<double, 3>;

// A stretch the sweep variable runs over: from `start` while it is not above `end`.
struct SweepRange {
    double start;
    double end;
};

struct Segment {
    QPointF from;
    QPointF to;
};

// One curve of the curve page as the coordinate window draws it: a description run by the
// shared curve frame. The sweep variable t runs over the ranges; at every step each branch
// gives a point, joined to the branch's point at t + 0.01 by the line method or drawn alone
// by the point method. Everything is read from the coefficients of the step.
struct CurveRoutine {
    const char* name;  // the plotting procedure's name
    QString item;      // the curve list's entry
    // The ranges for the line method (`line`) or the point method, fixed when the sweep
    // starts; `sl` is the plane's axis half-length.
    std::vector<SweepRange> (*ranges)(const CurveCoefficients& c, double sl, bool line);
    // The branches: (x, y) at t while the sweep runs over range number `range`. Raises
    // VbError where the coefficients describe no curve.
    std::vector<QPointF> (*branches)(double t, const CurveCoefficients& c, std::size_t range);
    // Under the line method the curve is one segment across the plane (the straight line).
    bool straight;
    // Drawn after the curve when asked for; none for a curve without directrices.
    std::vector<Segment> (*directrices)(const CurveCoefficients& c, double sl);
};

class CurveRoutines {
  public:
    // The curves drawn by a sweep: every curve but the circle.
    static const std::vector<CurveRoutine>& swept();
    static std::optional<CurveRoutine> find(const QString& item);
};

}  // namespace zeto
