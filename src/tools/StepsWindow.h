#pragma once

#include "tools/core/MathBox.h"

#include <QPointer>
#include <QWidget>

#include <vector>

namespace zeto {

class MathView;

// The window "解题步骤": the worked steps of the last answer a page gave, typeset, with a
// button that copies them as text. One window serves every page; it stays open and follows
// the page that last filled it.
class StepsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StepsWindow(QWidget* parent = nullptr);

    // Shows the window, brought forward, with the steps of `source`, whose new answers it
    // follows from then on.
    void open(const QObject* source, std::vector<MathBox> steps);
    // True while the window is open and `source` filled it last: the answers `source` gives
    // now belong in it.
    bool follows(const QObject* source) const;

    // A title line (left out when empty) above the steps; no steps at all is the note that
    // there is nothing solved yet.
    void showSteps(const QString& title, std::vector<MathBox> steps);
    // Back to the note that there is nothing solved yet.
    void clear();

    MathView* view() const { return view_; }

  private:
    void copy();

    MathView* view_;
    QPointer<const QObject> source_;
};

}  // namespace zeto
