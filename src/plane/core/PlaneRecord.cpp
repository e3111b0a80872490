#include "plane/core/PlaneRecord.h"

#include <algorithm>

namespace zeto {

PlaneRecord::Id PlaneRecord::addPlot(const PlotDescription& plot) {
    Entry entry;
    entry.id = next_++;
    entry.plot = plot;
    entries_.push_back(std::move(entry));
    return entries_.back().id;
}

PlaneRecord::Id PlaneRecord::addMark() {
    Entry entry;
    entry.id = next_++;
    entries_.push_back(std::move(entry));
    return entries_.back().id;
}

void PlaneRecord::remove(Id id) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [id](const Entry& e) { return e.id == id; }),
                   entries_.end());
}

PlaneRecord::Entry* PlaneRecord::find(Id id) {
    // Pieces arrive for the newest entries: look from the end.
    for (auto e = entries_.rbegin(); e != entries_.rend(); ++e)
        if (e->id == id) return &*e;
    return nullptr;
}

const PlaneRecord::Entry* PlaneRecord::find(Id id) const {
    return const_cast<PlaneRecord*>(this)->find(id);
}

std::size_t PlaneRecord::plotCount() const {
    return static_cast<std::size_t>(std::count_if(
        entries_.begin(), entries_.end(), [](const Entry& e) { return e.plot.has_value(); }));
}

std::vector<const std::vector<Primitive>*> PlaneRecord::visibleLayers() const {
    std::vector<const std::vector<Primitive>*> layers;
    layers.reserve(entries_.size());
    for (const Entry& e : entries_)
        if (e.visible) layers.push_back(&e.pieces);
    return layers;
}

}  // namespace zeto
