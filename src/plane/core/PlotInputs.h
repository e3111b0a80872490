#pragma once

#include "platform/core/BgrColor.h"

#include <QString>

#include <array>

namespace zeto {

// What a plot reads from its page while it runs, afresh at every step: the user may edit a
// coefficient or pick another colour meanwhile, and later steps use the new values.
class PlotInputs {
  public:
    virtual ~PlotInputs() = default;

    // The three coefficient fields' texts as typed.
    virtual std::array<QString, 3> coefficientTexts() = 0;
    virtual BgrColor color() = 0;
    // Lets the window run after a drawn step; false when the plot must stop at once (the
    // program is closing).
    virtual bool yield() = 0;
};

}  // namespace zeto
