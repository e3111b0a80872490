#pragma once

#include "platform/ColorSwatch.h"
#include "script/core/ScriptObject.h"

#include <QPointer>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace zeto {

class Shell;

// The object generated procedures call back as `OBJsc`: it writes what a formula computed
// into the calculator's result box, the sequence preview and sum, or onto the plane. It
// holds no state of its own beyond the controls it has already looked up.
class FormulaCallbacks : public script::ScriptObject {
  public:
    explicit FormulaCallbacks(Shell& shell);

    void call(std::string_view method, const std::vector<script::Value>& args) override;

    // Puts "=" and the value on top of the calculator's result box.
    void SS(const script::Value& Z);
    // Appends one term of the user-defined sequence preview.
    void sl(const script::Value& Z);
    // Adds one term to the running sum shown in `SUM`.
    void slsum(const script::Value& Z);
    // Draws one sample of the user-defined function at the abscissa `ZBL`; reports its own
    // errors and never raises.
    void fcf(const script::Value& Z, const script::Value& Z1);

  private:
    QPlainTextEdit* txtrlt();
    QListWidget* SLEXP();
    QLabel* SUM();
    BgrColor graphColor();

    Shell& shell_;
    QPointer<QPlainTextEdit> txtrlt_;
    QPointer<QListWidget> SLEXP_;
    QPointer<QLabel> SUM_;
    QPointer<ColorSwatch> tucolor_;
};

}  // namespace zeto
