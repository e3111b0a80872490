#pragma once

#include "plane/core/PlotDescription.h"
#include "shell/TabPage.h"
#include "tools/core/MathBox.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace zeto {

class VbError;

// Page "数列": arithmetic, geometric and user-defined sequences, their preview list, the sum of
// their first N terms, their points on the plane and their general term and sum worked out.
class SequencePage : public TabPage {
    Q_OBJECT
  public:
    SequencePage(const PageContext& context, int pageTopPixels, QWidget* parent);

    // Longest computed preview: it yields after every term, so it only has to fit a list.
    static constexpr double kMostListedTerms = 100000;
    // Most terms of a user-defined preview or sum: each is an evaluation with no yield in
    // between, so this bounds how long the window stays busy.
    static constexpr double kMostFormulaTerms = 20000;

    // Selects a kind by its item text in `slsort`, as the user's choice does.
    void selectKind(const QString& item);
    void previewClicked();
    void sumClicked();
    void clearPreviewClicked();
    // "描点": the points (n, aₙ) of the preview's terms on the plane, as one plot.
    void plotClicked();
    void stepsClicked();

  private:
    enum class Kind { None, Arithmetic, Geometric, Custom };

    // Applies the panel configuration of the kind list's current text.
    void kindChosen();
    Kind currentKind() const;
    void previewComputed(bool geometric);
    void previewCustom();
    void sumCustom();
    void reportDataSize();
    void reportFormula(const VbError& error);
    void arrangeParameters();
    // What the points of the sequence as typed are plotted from: a₁ and d or q as typed, or
    // the user's formula; n from 1 to `count`.
    PlotDescription pointsDescription(bool custom, double count);
    // The steps window follows the sequence as typed at each answer the page gives.
    void followSteps();
    std::vector<MathBox> steps() const;

    QListWidget* preview_;
    QComboBox* kindList_;
    QLabel* termCaption_;
    QLabel* parameterCaptions_[3];
    QLineEdit* parameterFields_[3];
    QLineEdit* formulaField_;
    QLabel* formulaHint_;
    QLineEdit* termCount_;
    QLabel* sum_;
};

}  // namespace zeto
