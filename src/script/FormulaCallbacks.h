#pragma once

#include "platform/core/BgrColor.h"
#include "script/core/ScriptObject.h"

#include <functional>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace zeto {

class BusyScope;
class PlotCanvas;
class Shell;

// A formula's graph while it is plotted: where it goes, its colour (read at every sample,
// since the user may change it meanwhile) and the plot's task, which yields after every
// drawn sample. A sample that cannot be drawn is reported once and ends the plot.
struct FunctionPlotTarget {
    PlotCanvas& canvas;
    std::function<BgrColor()> color;
    BusyScope& task;
    bool failed = false;
};

// What one run of a generated procedure may write to. A feature hands over only its own
// controls, so a formula that calls another feature's method raises "Object required".
struct FormulaTargets {
    QPlainTextEdit* results = nullptr;   // the calculator's result box
    QListWidget* preview = nullptr;      // the sequence preview
    QLabel* sum = nullptr;               // the sequence sum
    FunctionPlotTarget* plot = nullptr;  // the function graph
};

// The object generated procedures call back as `OBJsc`: it writes what a formula computed
// into the calculator's result box, the sequence preview and sum, or onto the plane.
class FormulaCallbacks : public script::ScriptObject {
  public:
    explicit FormulaCallbacks(Shell& shell);

    void call(std::string_view method, const std::vector<script::Value>& args) override;

    // Hands targets over for as long as it lives; the previous ones come back when it goes,
    // since a run can start while another one yields.
    class Binding {
      public:
        Binding(FormulaCallbacks& callbacks, const FormulaTargets& targets);
        ~Binding();
        Binding(const Binding&) = delete;
        Binding& operator=(const Binding&) = delete;

      private:
        FormulaCallbacks& callbacks_;
        FormulaTargets previous_;
    };

    // Puts "=" and the value on top of the calculator's result box.
    void SS(const script::Value& Z);
    // Appends one term of the user-defined sequence preview.
    void sl(const script::Value& Z);
    // Adds one term to the running sum.
    void slsum(const script::Value& Z);
    // Draws one sample of the formula's graph at the abscissa `ZBL`. A sample that cannot be
    // drawn is reported here, not raised.
    void fcf(const script::Value& Z, const script::Value& Z1);

  private:
    Shell& shell_;
    FormulaTargets targets_;
};

}  // namespace zeto
