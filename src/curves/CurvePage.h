#pragma once

#include "shell/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zeto {

class ColorSwatch;
struct CurveKind;

// Page "平面解析几何": the curve kind, its coefficients, colour and directrix option, and the
// buttons that reach the coordinate window.
class CurvePage : public TabPage {
    Q_OBJECT
  public:
    CurvePage(const PageContext& context, int pageTopPixels, QWidget* parent);

    // Selects a curve in the list and applies it, as the user's choice does.
    void selectKind(const QString& item);
    // "作图...": checks the visible coefficient fields, then plots the selected curve.
    void plotClicked();

  private:
    void buildLayout();
    // Applies the catalogue entry of the curve list's current text; other texts change
    // nothing.
    void kindChosen();
    void chooseCurveColor();

    const CurveKind* kind_ = nullptr;
    QComboBox* kindList_;
    QLabel* equationCaption_;
    QLabel* fieldCaptions_[3];
    QLineEdit* coefficientFields_[3];
    ColorSwatch* curveColor_;
    QCheckBox* directrices_;
};

}  // namespace zeto
