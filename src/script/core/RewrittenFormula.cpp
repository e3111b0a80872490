#include "script/core/RewrittenFormula.h"

#include <algorithm>

namespace zeto::script {

SourceSpan RewrittenFormula::userSpan(std::size_t first, std::size_t last) const {
    last = std::min(last, origins.size());
    if (first >= last) return {first < origins.size() ? origins[first].start : 0, 0};
    int start = origins[first].start;
    int end = start + origins[first].length;
    for (std::size_t i = first + 1; i < last; ++i) {
        start = std::min(start, origins[i].start);
        end = std::max(end, origins[i].start + origins[i].length);
    }
    return {start, end - start};
}

}  // namespace zeto::script
