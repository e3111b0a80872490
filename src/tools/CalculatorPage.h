#pragma once

#include "shell/TabPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace zeto {

// Page "表达式的值": evaluates a typed expression through the engine and keeps the results,
// newest on top.
class CalculatorPage : public TabPage {
    Q_OBJECT
  public:
    CalculatorPage(const PageContext& context, int pageTopPixels, QWidget* parent);

    void evaluateClicked();
    void clearResultsClicked();
    void copyResultsClicked();

  private:
    QLineEdit* expression_;
    QPlainTextEdit* results_;
};

}  // namespace zeto
