#pragma once

#include "tools/core/MathBox.h"

#include <QWidget>

#include <vector>

namespace zeto {

class MathView;

// The window "解题步骤": the worked steps of the last answer a page gave, typeset, with a
// button that copies them as text. One window serves every page; it stays open and shows
// whatever it was given last.
class StepsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StepsWindow(QWidget* parent = nullptr);

    // A title line (left out when empty) above the steps.
    void showSteps(const QString& title, std::vector<MathBox> steps);
    // Back to the note that there is nothing solved yet.
    void clear();

    MathView* view() const { return view_; }

  private:
    void copy();

    MathView* view_;
};

}  // namespace zeto
