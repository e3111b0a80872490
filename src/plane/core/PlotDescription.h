#pragma once

#include "plane/core/GraphKind.h"
#include "plane/core/PlaneSettings.h"
#include "platform/core/BgrColor.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace zeto {

class PlotCanvas;

// What one plot on the plane was drawn from: enough to tell what it shows, to analyse it and
// to draw it again with other coefficients.
struct PlotDescription {
    // A plot of `kind` in `color` as the settings draw it now, across the whole plane.
    static PlotDescription drawnWith(GraphKind kind, const PlaneSettings& settings,
                                     BgrColor color) {
        PlotDescription d;
        d.kind = kind;
        d.start = -settings.axisLength;
        d.end = settings.axisLength;
        d.lineMethod = settings.lineMethod;
        d.pointStep = settings.pointStep;
        d.axisLength = settings.axisLength;
        d.color = color;
        d.penWidth = settings.penWidth;
        return d;
    }

    GraphKind kind = GraphKind::Linear;
    // The coefficients as the plot last read them, as numbers and as typed.
    std::array<double, 3> coefficients{};
    std::array<QString, 3> coefficientTexts;
    // The user's formula, for GraphKind::Formula.
    QString formula;
    // A function's domain; a curve's sweep spans the plane.
    double start = 0;
    double end = 0;
    bool lineMethod = true;
    double pointStep = 0;
    int axisLength = 10;
    BgrColor color = 0;
    int penWidth = 2;
    bool labelled = false;
    bool directrices = false;

    // The coefficients' names as the page shows them ("A=", "w=", "P="); for the user's formula
    // its one-letter names other than X ("A", "B"), whose values the coefficients then hold.
    std::vector<QString> coefficientNames;
    // y at x of the user's formula, with its one-letter names at the coefficients' values;
    // raises VbError where it has no value. Empty for the other kinds, whose formula the kind
    // itself gives.
    std::function<double(double x, const std::array<double, 3>& c)> value;
    // Draws the plot again from a description like this one (other coefficients, the same
    // kind, domain, method, colour and pen width) onto `canvas`, at once, without yielding.
    // Raises VbError where the coefficients give no graph.
    std::function<void(const PlotDescription& description, PlotCanvas& canvas)> redraw;
};

}  // namespace zeto
