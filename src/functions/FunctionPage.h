#pragma once

#include "platform/core/BgrColor.h"
#include "shell/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zeto {

class ColorSwatch;
class PlotRecording;
struct LetterFormula;
namespace script {
class CompiledFormula;
}
class VbError;
struct FunctionKind;
struct PlotDescription;

// Page "函数图象": the function kind, its coefficients, domain, colour and label option, and
// the buttons that reach the coordinate window.
class FunctionPage : public TabPage {
    Q_OBJECT
  public:
    FunctionPage(const PageContext& context, int pageTopPixels, QWidget* parent);

    // Selects a kind in the list and applies it, as the user's choice does.
    void selectKind(const QString& item);
    // "作图...": checks the domain and the base, then plots the selected kind.
    void plotClicked();
    // The colour of the swatch `tucolor`, in which graphs are drawn.
    BgrColor graphColor() const;

  private:
    void buildLayout();
    // Applies the catalogue entry of the kind list's current text.
    void kindChosen();
    void chooseGraphColor();
    // The user's formula, compiled once for the plot.
    void plotFormula(const PlotDescription& description);
    // A plot of the user's formula that failed; it ends without the completion sound.
    bool reportPlotFailure(const VbError& error);
    // Compiles the plotted formula once more with its one-letter names bound too, and offers
    // them as the plot's coefficients.
    void bindLetters(const script::CompiledFormula& plotted, LetterFormula& letters,
                     PlotRecording& plot);

    const FunctionKind* kind_ = nullptr;
    QComboBox* kindList_;
    QLabel* formulaCaption_;
    QLabel* fieldCaptions_[3];
    QLineEdit* coefficientFields_[3];
    QLineEdit* domainStart_;
    QLineEdit* domainEnd_;
    QLineEdit* formulaField_;
    QLabel* formulaHint_;
    ColorSwatch* graphColor_;
    QCheckBox* labelled_;
};

}  // namespace zeto
