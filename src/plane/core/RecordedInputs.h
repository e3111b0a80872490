#pragma once

#include "plane/core/PlotDescription.h"
#include "plane/core/PlotInputs.h"

namespace zeto {

// A plot drawn again from its description: the coefficients and colour it holds, and no
// yields, since drawing again is one step of a slider, not a long task.
class RecordedInputs : public PlotInputs {
  public:
    explicit RecordedInputs(const PlotDescription& description) : description_(description) {}

    std::array<QString, 3> coefficientTexts() override { return description_.coefficientTexts; }
    BgrColor color() override { return description_.color; }
    bool yield() override { return true; }

  private:
    const PlotDescription& description_;
};

}  // namespace zeto
