#pragma once

#include "shell/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zeto {

class ColorSwatch;

// Page "平面解析几何": the curve kind, its coefficients, colour and directrix option, and the
// buttons that reach the coordinate window.
class CurvePage : public TabPage {
    Q_OBJECT
  public:
    CurvePage(Shell& shell, int pageTopPixels, QWidget* parent);

    // Selects a curve in the list and applies it, as the user's choice does.
    void selectKind(const QString& item);
    // Applies the catalogue row of the curve list's current text; other texts change nothing.
    void qusort_Click();
    void qucolor_Click();
    // "作图...": checks the visible coefficient fields, then plots the selected curve.
    void Command8_Click();

  private:
    void buildLayout();

    QComboBox* qusort_;
    QLabel* QFC_;
    QLabel* CQXS_[3];
    QLineEdit* QXS_[3];
    ColorSwatch* qucolor_;
    QCheckBox* quchk_;
};

}  // namespace zeto
