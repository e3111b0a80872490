#pragma once

#include "plane/core/PlotInputs.h"
#include "shell/TaskFrame.h"

#include <array>
#include <functional>

class QLineEdit;

namespace zeto {

class ColorSwatch;
class Shell;

// The controls a plotting page reads while a plot runs.
struct PlotFields {
    std::array<QLineEdit*, 3> coefficients;
    ColorSwatch* color;
};

// The frame every plot of the function and curve pages runs in.
class PlotFrame {
  public:
    // What plots take turns on: one plot at a time, since the plotting routines share the
    // plane's abscissa.
    static const void* owner(Shell& shell);
    static bool busy(Shell& shell);
    // A plot's task: "作图中,请稍等..." with the lamp, refused while another plot runs.
    static BusyScope task(Shell& shell);

    // "作图中,请稍等..." with the lamp and one yield, then `draw` with the page's fields read
    // afresh at every step; a step that cannot be computed or drawn ends the plot with
    // "画图出错，请检查参数是否设置正确"; then the idle state, the completion sound and the
    // plane brought forward. Does nothing while another plot runs; stops at once, touching
    // nothing, when the program closes. `draw` returns false when a yield told it to stop.
    static void run(Shell& shell, const PlotFields& fields,
                    const std::function<bool(PlotInputs&)>& draw);
};

// The page's fields as a plot reads them, and the plot's yields.
class PageInputs : public PlotInputs {
  public:
    PageInputs(const PlotFields& fields, BusyScope& task) : fields_(fields), task_(task) {}

    std::array<QString, 3> coefficientTexts() override;
    BgrColor color() override;
    bool yield() override;

  private:
    const PlotFields& fields_;
    BusyScope& task_;
};

}  // namespace zeto
