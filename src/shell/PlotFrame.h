#pragma once

#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "shell/TaskFrame.h"

#include <array>
#include <functional>

class QLineEdit;

namespace zeto {

class ColorSwatch;
class PlaneAccess;
class TabPage;
class VbError;

// The controls a plotting page reads while a plot runs.
struct PlotFields {
    std::array<QLineEdit*, 3> coefficients;
    ColorSwatch* color;
};

// The frame every plot of the function and curve pages runs in.
class PlotFrame {
  public:
    // Reports a failed plot; returns whether the plot still ends as a finished one does (with
    // the completion sound and the plane brought forward).
    using FailureReport = std::function<bool(const VbError&)>;

    // One plot at a time: a second press of a plot button while a plot runs is refused.
    static bool busy(TabPage& page);

    // "作图中,请稍等..." with the lamp and one yield, then `draw` with the page's fields read
    // afresh at every step, drawing into the plane's record as `description`; a step that
    // cannot be computed or drawn ends the plot with `failure` (by default
    // "画图出错，请检查参数是否设置正确", after which the plot ends as a finished one); then the
    // idle state, the completion sound and the plane brought forward. Does nothing while
    // another plot runs; stops at once, touching nothing, when the program closes. `draw`
    // returns false when a yield told it to stop.
    static void run(TabPage& page, const PlotFields& fields, const PlotDescription& description,
                    const std::function<bool(PlotRecording&, PlotInputs&)>& draw,
                    const FailureReport& failure = {});
};

// The page's fields as a plot reads them, and the plot's yields. What it reads is kept in the
// plot's description.
class PageInputs : public PlotInputs {
  public:
    PageInputs(const PlotFields& fields, BusyScope& task, PlotDescription& description)
        : fields_(fields), task_(task), description_(description) {}

    std::array<QString, 3> coefficientTexts() override;
    BgrColor color() override;
    bool yield() override;

  private:
    const PlotFields& fields_;
    BusyScope& task_;
    PlotDescription& description_;
};

}  // namespace zeto
