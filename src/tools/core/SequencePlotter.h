#pragma once

#include "platform/core/BgrColor.h"

#include <functional>
#include <optional>

namespace zeto {

class PlotCanvas;

// The points (n, aₙ) of a sequence on the plane as filled dots, for n = 1, 2, … up to the last
// index asked for. A point beyond the plane, or a term too large to compute, has no dot. The
// plane reaches no further right than its axis length, so no term past it is computed.
class SequencePlotter {
  public:
    // Term n, nothing when it is too large to compute; a user's formula may raise VbError.
    using Term = std::function<std::optional<double>(double n)>;

    struct Plan {
        double lastIndex = 0;
        int axisLength = 10;
        // The plane's own pen width, which the canvas gets back afterwards, whatever happens.
        int penWidth = 2;
        BgrColor color = 0;
    };

    // The pen width of a dot of 3 pixels' radius. The plane fills a wide dot as a disc about
    // the corner of its pixel: width 6 comes out a pixel lower than wide, width 7 round and 6
    // pixels across.
    static constexpr int kDotWidth = 7;

    // Returns how many dots were drawn.
    static int plot(PlotCanvas& canvas, const Term& term, const Plan& plan);
};

}  // namespace zeto
