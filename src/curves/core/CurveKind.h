#pragma once

#include "plane/core/GraphKind.h"

#include <QPointF>
#include <QString>

#include <array>
#include <vector>

namespace zeto {

class PlotCanvas;
class PlotInputs;

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

// How a curve is plotted: the method and the point method's step, the plane's axis
// half-length and pen width, and whether the directrices are drawn.
struct CurvePlan {
    bool lineMethod = true;
    double pointStep = 0;
    double axisLength = 10;
    int penWidth = 2;
    bool directrices = false;
};

// A curve drawn by the sweep: the sweep variable t runs over the ranges; at every step each
// branch gives a point, joined to the branch's point at t + 0.01 by the line method or drawn
// alone by the point method. Everything is read from the coefficients of the step.
struct SweptCurve {
    // The ranges for the line method (`line`) or the point method, fixed when the sweep
    // starts; `axisLength` is the plane's half-length.
    std::vector<SweepRange> (*ranges)(const CurveCoefficients& c, double axisLength, bool line);
    // The branches: (x, y) at t while the sweep runs over range number `range`. Raises
    // VbError where the coefficients describe no curve.
    std::vector<QPointF> (*branches)(double t, const CurveCoefficients& c, std::size_t range);
    // Under the line method the curve is one segment across the plane (the straight line).
    bool straight;
    // Drawn after the curve when asked for; none for a curve without directrices.
    std::vector<Segment> (*directrices)(const CurveCoefficients& c, double axisLength);
};

// One curve of the curve page, everything about it in one place: its list entry, captions,
// and how it is drawn.
struct CurveKind {
    QString item;
    QString caption;
    std::array<QString, 3> fieldCaptions;  // an empty caption hides the field
    bool directrix;                        // "画出准线" shown
    GraphKind graph;
    SweptCurve swept;  // unused by a curve with a routine of its own
    // Draws the curve. Raises VbError where the coefficients describe no curve or a step
    // cannot be drawn; what was drawn before stays. Returns false when a yield said stop.
    bool (*plot)(const CurveKind& kind, const CurvePlan& plan, PlotCanvas& canvas,
                 PlotInputs& inputs);

    bool shows(int field) const {
        return !fieldCaptions[static_cast<std::size_t>(field)].isEmpty();
    }
};

class CurveCatalogue {
  public:
    static const std::array<CurveKind, 7>& kinds();
    static const CurveKind* find(const QString& item);
    static const CurveKind* find(GraphKind graph);
};

}  // namespace zeto
