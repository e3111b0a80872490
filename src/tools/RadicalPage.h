#pragma once

#include "shell/TabPage.h"
#include "tools/core/MathBox.h"

#include <QLine>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zeto {

class LineShape;

// The page "最简根式": reduces the square root of the number in sqrx to m√r and shows it
// with a drawn radical sign, together with its decimal value; "解题步骤" shows how the last
// radicand was reduced.
class RadicalPage : public TabPage {
    Q_OBJECT
  public:
    RadicalPage(const PageContext& context, int pageTopPixels, QWidget* parent);

    void computeClicked();
    void clearClicked();
    void stepsClicked();

  private:
    void buildInputFrame();
    void buildResultFrame();
    void setRadicalVisible(bool visible);
    // What of m√r is shown for a result: m unless it is 1, the root unless r is 1, and
    // "1" alone when the input is 1.
    void applyDisplayRules(double input);
    void rejectInput();
    // Sets the texts of m and r, each kept whole on screen.
    void showResultTexts(const QString& m, const QString& r);
    // The radicand the page reduced last, or none; the steps window follows it.
    void setReduced(std::optional<double> value);
    std::vector<MathBox> steps() const;

    QLineEdit* radicand_ = nullptr;
    QLabel* coefficient_ = nullptr;
    QLabel* wholeOne_ = nullptr;
    QLabel* remaining_ = nullptr;
    QLabel* decimal_ = nullptr;
    LineShape* radicalSign_[3] = {};
    QLine designedBar_;
    std::optional<double> reduced_;
};

}  // namespace zeto
