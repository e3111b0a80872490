#pragma once

#include "plane/core/PlotDescription.h"
#include "platform/core/Primitive.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zeto {

// Everything drawn on the plane since it was last cleared, in drawing order: each plot with
// what it was drawn from and the pieces it drew, and each mark of the hand tools. The plane's
// image is a cache of it.
class PlaneRecord {
  public:
    using Id = std::uint64_t;

    struct Entry {
        Id id = 0;
        // Nothing for a mark of the hand tools.
        std::optional<PlotDescription> plot;
        std::vector<Primitive> pieces;
        bool visible = true;
        // Drawn again with coefficients that give no graph: it draws nothing.
        bool graphless = false;
        // The plot is still being drawn: nothing but the plot itself may change it.
        bool drawing = false;
    };

    void clear() { entries_.clear(); }
    Id addPlot(const PlotDescription& plot);
    Id addMark();
    void remove(Id id);

    Entry* find(Id id);
    const Entry* find(Id id) const;
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t plotCount() const;

    // The visible entries' pieces, in drawing order.
    std::vector<const std::vector<Primitive>*> visibleLayers() const;

  private:
    std::vector<Entry> entries_;
    Id next_ = 1;
};

}  // namespace zeto
