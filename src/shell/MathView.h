#pragma once

#include "shell/MathLayout.h"
#include "tools/core/MathBox.h"

#include <QWidget>

#include <vector>

namespace zeto {

// Typesets lines of formulas as a textbook prints them. Its accessible description is always
// the one-line text of what it shows, so that a screen reader and the clipboard get the same
// words as the eye.
class MathView : public QWidget {
    Q_OBJECT
  public:
    explicit MathView(QWidget* parent = nullptr);

    void setLines(std::vector<MathBox> lines);
    const std::vector<MathBox>& lines() const { return lines_; }
    // The lines in their one-line form, joined by "\n".
    QString linearText() const;
    // The geometry as painted, in the view's coordinates.
    const MathLayout& layout() const { return layout_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void relayout();

    std::vector<MathBox> lines_;
    MathLayout layout_;
};

}  // namespace zeto
