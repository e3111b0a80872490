#pragma once

#include "shell/TabPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace zeto {

// Page "数列": arithmetic, geometric and user-defined sequences, their preview list and the
// sum of their first N terms.
class SequencePage : public TabPage {
    Q_OBJECT
  public:
    SequencePage(Shell& shell, int pageTopPixels, QWidget* parent);

    // Longest computed preview: it yields after every term, so it only has to fit a list.
    static constexpr double kMostListedTerms = 100000;
    // Most terms of a user-defined preview or sum: each is a full engine run with no yield in
    // between, so this bounds how long the window stays busy (a second or two).
    static constexpr double kMostFormulaTerms = 20000;

  public slots:
    // Selects a kind by its item text in `slsort`, as the user's choice does.
    void selectKind(const QString& item);
    // Applies the panel configuration of the kind list's current text.
    void slsort_Click();
    void Command15_Click();  // preview
    void Command16_Click();  // sum of the first N terms
    void Command17_Click();  // clear the preview

  private:
    enum class Kind { None, Arithmetic, Geometric, Custom };

    Kind currentKind() const;
    void previewComputed(bool geometric);
    void previewCustom();
    void sumCustom();
    void reportDataSize();
    void reportFormula();
    void arrangeParameters();

    QListWidget* SLEXP_;
    QComboBox* slsort_;
    QLabel* TXGS_;
    QLabel* CLXS_[3];
    QLineEdit* LXS_[3];
    QLineEdit* Zdytxgs_;
    QLabel* note2_;
    QLineEdit* Sumn_;
    QLabel* SUM_;
};

}  // namespace zeto
