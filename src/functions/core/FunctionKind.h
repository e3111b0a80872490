#pragma once

#include "plane/core/GraphKind.h"

#include <QString>

#include <array>
#include <optional>

namespace zeto {

class FormulaSource;
class PlotCanvas;
class PlotInputs;

using Coefficients = std::array<double, 3>;
using CoefficientTexts = std::array<QString, 3>;

// How one graph is plotted: the domain (read once when the plot starts), the method and the
// point method's step, whether the label is written, and the user's formula for that kind.
struct GraphPlan {
    double start = -5;
    double end = 5;
    bool lineMethod = true;
    double pointStep = 0;
    bool labelled = true;
    FormulaSource* formula = nullptr;
};

// One kind of the function page, everything about it in one place: its entry in the kind list,
// its captions, its formula and how it is plotted.
struct FunctionKind {
    QString item;                          // entry of the kind list
    QString caption;                       // formula caption
    std::array<QString, 3> fieldCaptions;  // an empty caption hides the field
    GraphKind graph;
    // f(x). Raises VbError where the value is undefined or beyond the range of numbers. Null
    // for the user's formula.
    double (*f)(double x, const Coefficients& c);
    // Only samples with |f(x)| <= 20 are drawn.
    bool bounded;
    // Under the line method the graph is one segment across the whole domain.
    bool straight;
    // The label written beside the graph, from the coefficient texts as typed.
    QString (*label)(const CoefficientTexts& t);
    // Why a plot with this base and domain start is refused; empty when it is not.
    QString (*refusal)(double base, double start);
    // Selecting the kind writes the domain start "0.01" and the base "10".
    bool writesLogDefaults;
    // The formula field and its hint instead of coefficients, and no label option.
    bool formula;
    // Draws the graph. Raises VbError for a sample that cannot be computed or drawn: the plot
    // ends there and what was drawn before stays. Returns false when a yield said stop.
    bool (*plot)(const FunctionKind& kind, const GraphPlan& plan, PlotCanvas& canvas,
                 PlotInputs& inputs);

    bool shows(int field) const {
        return !fieldCaptions[static_cast<std::size_t>(field)].isEmpty();
    }
    bool admits(double y) const;
};

class FunctionCatalogue {
  public:
    // The ten kinds in list order.
    static const std::array<FunctionKind, 10>& kinds();
    // The kind whose item text equals `item` exactly.
    static const FunctionKind* find(const QString& item);
    static const FunctionKind* find(GraphKind graph);
};

}  // namespace zeto
