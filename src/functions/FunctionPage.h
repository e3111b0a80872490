#pragma once

#include "platform/core/BgrColor.h"
#include "shell/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zeto {

class ColorSwatch;

// Page "函数图象": the function kind, its coefficients, domain, colour and label option, and
// the buttons that reach the coordinate window.
class FunctionPage : public TabPage {
    Q_OBJECT
  public:
    FunctionPage(Shell& shell, int pageTopPixels, QWidget* parent);

    // Selects a kind in the list and applies it, as the user's choice does.
    void selectKind(const QString& item);
    // Applies the catalogue row of the kind list's current text.
    void fsort_Click();
    void tucolor_Click();
    // "作图...": checks the domain and the base, then plots the selected kind.
    void Command2_Click();
    // The colour of the swatch `tucolor`, in which graphs are drawn.
    BgrColor graphColor() const;

    // The hidden box `Txtscript` that carries each generated procedure.
    QPlainTextEdit& scriptBox() { return *Txtscript_; }

  private:
    void buildLayout();
    // The custom kind: the formula through the expression engine, sample by sample.
    void plotFormula();
    void warn(const QString& text);

    QComboBox* fsort_;
    QLabel* JXS_;
    QLabel* CXS_[3];
    QLineEdit* XS_[3];
    QLineEdit* zy1_;
    QLineEdit* zy2_;
    QLineEdit* zdyjxs_;
    QLabel* note_;
    ColorSwatch* tucolor_;
    QCheckBox* funchk_;
    QPlainTextEdit* Txtscript_;
};

}  // namespace zeto
