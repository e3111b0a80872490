#pragma once

#include "plane/core/ConicEquation.h"
#include "plane/core/GraphSpec.h"
#include "tools/core/SurdNumber.h"

#include <QPointF>

#include <functional>
#include <optional>
#include <vector>

namespace zeto {

// A graph as the numeric analysis walks it: its domain, its equation where it is algebraic,
// and its pieces, each a path (x(t), y(t)) sampled once on a fine grid of the parameter and
// kept for every later search along it.
class GraphShape {
  public:
    struct Piece {
        bool byX = false;                   // t is x itself
        std::function<QPointF(double)> at;  // NaN coordinates where the graph is undefined
        std::vector<double> t;
        std::vector<QPointF> p;
    };

    explicit GraphShape(GraphSpec spec);

    const GraphSpec& spec() const { return spec_; }
    // y = f(x) over [from, to]: the function kinds.
    bool isFunction() const;
    const std::optional<ConicEquation>& conic() const { return conic_; }
    // The function's value, NaN where it is undefined or no number.
    double y(double x) const;
    // Within the domain: from <= x <= to for a function, the square of the plane for a curve.
    bool contains(double x, double y) const;
    bool contains(const SurdNumber& x, const SurdNumber& y) const;

    // Sampled on first use.
    const std::vector<Piece>& pieces() const;

    // The grid a piece along x is sampled on: from, the multiples of a power of two between,
    // and to, about 4096 steps.
    static std::vector<double> grid(double from, double to);

  private:
    void addPieces() const;
    void addPiece(bool byX, double from, double to, std::function<QPointF(double)> at) const;

    GraphSpec spec_;
    std::optional<ConicEquation> conic_;
    std::function<double(double)> f_;
    mpq_class from_, to_;
    mutable std::optional<std::vector<Piece>> pieces_;
};

}  // namespace zeto
