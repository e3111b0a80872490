#pragma once

#include "plane/core/GraphFacts.h"
#include "plane/core/PlanePoint.h"

#include <QString>

#include <vector>

namespace zeto {

// Collects a graph's fact lines and the points to mark with them.
class FactSheet {
  public:
    // At most this many points to a line, then "……".
    static constexpr std::size_t kPointLimit = 20;

    void add(const QString& name, const QString& value);
    // A line of points (in the order given), each marked with its label: one label for all,
    // or one per point. Without points the line reads `none` alone, or is left out when
    // `none` is empty.
    void addPoints(const QString& name, const std::vector<PlanePoint>& points,
                   const std::vector<QString>& labels = {}, const QString& none = {});

    const GraphFacts& facts() const { return facts_; }

    static PlanePoint exactPoint(const SurdNumber& x, const SurdNumber& y);

  private:
    GraphFacts facts_;
};

}  // namespace zeto
