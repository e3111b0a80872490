#pragma once

#include "plane/core/GraphKind.h"
#include "platform/core/BgrColor.h"

#include <QString>

#include <array>

namespace zeto {

// What one plot on the plane was drawn from: enough to tell what it shows, to analyse it and
// to draw it again with other coefficients.
struct PlotDescription {
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
};

}  // namespace zeto
