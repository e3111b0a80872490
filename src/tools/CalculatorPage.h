#pragma once

#include "shell/TabPage.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zeto {

// Page "表达式的值": evaluates a typed expression through the engine and keeps the results,
// newest on top.
class CalculatorPage : public TabPage {
    Q_OBJECT
  public:
    CalculatorPage(Shell& shell, int pageTopPixels, QWidget* parent);

  public slots:
    void Command12_Click();  // evaluate
    void Command13_Click();  // clear the results
    void Command14_Click();  // copy the results

  private:
    QLineEdit* txtshi_;
    QPlainTextEdit* txtrlt_;
};

}  // namespace zeto
