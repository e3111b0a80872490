#pragma once

#include "shell/TabPage.h"
#include "tools/core/ExactRoots.h"
#include "tools/core/MathBox.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class QFont;
class QLabel;
class QLineEdit;

namespace zeto {

class LineShape;

// The page "一元二次方程": solves a*X^2 + b*X + c = 0 and shows each root as a fraction laid
// out like handwriting, (h ± m√n) over fm, and as a decimal number; "解题步骤" shows how the
// equation last solved is worked.
class EquationPage : public TabPage {
    Q_OBJECT
  public:
    EquationPage(const PageContext& context, int pageTopPixels, QWidget* parent);

    void solveClicked();
    void clearClicked();
    void stepsClicked();

  private:
    // The labels and strokes of one root's display.
    struct RootRow {
        QLabel* h = nullptr;
        QLabel* sign = nullptr;
        QLabel* m = nullptr;
        QLabel* n = nullptr;
        QLabel* fm = nullptr;
        QLabel* equals = nullptr;
        QLabel* value = nullptr;
        LineShape* hook = nullptr;
        LineShape* stroke = nullptr;
        LineShape* bar = nullptr;
        LineShape* fraction = nullptr;
        int top = 0;  // twips below the first root's row
        // Pixels the numerator's line sits below the design: a face taller than the designed
        // one needs them, and the radical sign and the fraction go down with it.
        int drop = 0;
    };
    struct RowNames {
        const char* h;
        const char* sign;
        const char* m;
        const char* n;
        const char* fm;
        const char* value;
        const char* hook;
        const char* stroke;
        const char* bar;
        const char* fraction;
        const char* name;
        const char* equals;
    };

    void buildInputFrame();
    void buildResultFrame();
    RootRow buildRow(QWidget* frame, const RowNames& names, const QString& sign, int top);
    void showRoot(RootRow& row, const std::optional<ExactRoot>& exact, const std::string& value);
    // Writes a row's texts in the font, their baselines kept where the design puts them.
    void setRowFont(RootRow& row, const QFont& font);
    // Places a row's parts for what it shows now.
    void layoutRow(RootRow& row);
    // Places them `along` pixels right of the design.
    void placeRow(RootRow& row, int along);
    void clearRow(RootRow& row);
    void clearResults();
    // The equation the page answered last, or none; the steps window follows it.
    void setSolved(const std::optional<std::array<double, 3>>& coefficients);
    std::vector<MathBox> steps() const;

    QLineEdit* coefficientFields_[3] = {};
    RootRow rows_[2];
    std::optional<std::array<double, 3>> solved_;
};

}  // namespace zeto
