#pragma once

#include <QString>

#include <array>
#include <optional>

namespace zeto {

using Coefficients = std::array<double, 3>;
using CoefficientTexts = std::array<QString, 3>;

// One built-in function kind as the coordinate window plots it: its formula, which samples
// it draws, and the label written beside the graph.
struct GraphRoutine {
    const char* name;  // the plotting procedure's name
    int funsort;       // the kind code of the function list
    // f(x). Raises VbError where the value is undefined or beyond the range of numbers.
    double (*f)(double x, const Coefficients& c);
    // Only samples with -20 <= f(x) <= 20 are drawn: the graph runs off the plane there, and
    // near a pole no drawn segment may span it.
    bool bounded;
    // Built from the coefficient texts as typed.
    QString (*label)(const CoefficientTexts& t);
    // Under the line method the graph is one segment across the whole domain.
    bool straight;

    bool admits(double y) const { return !bounded || (y >= -20 && y <= 20); }
};

class GraphRoutines {
  public:
    // The nine built-in kinds, codes 1 to 9.
    static const std::array<GraphRoutine, 9>& all();
    // The routine of a kind code; nothing for the custom kind or an unknown code.
    static std::optional<GraphRoutine> forKind(int funsort);
};

}  // namespace zeto
