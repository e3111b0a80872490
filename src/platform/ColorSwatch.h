#pragma once

#include "platform/core/BgrColor.h"

#include <QColor>
#include <QLabel>

namespace zeto {

QColor colorFromBgr(BgrColor value);
BgrColor bgrFromColor(const QColor& color);

// A small label whose background colour is a setting; clicking it asks for a new colour.
class ColorSwatch : public QLabel {
    Q_OBJECT
  public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    BgrColor color() const { return color_; }
    QColor qcolor() const { return colorFromBgr(color_); }
    void setColor(BgrColor value);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    BgrColor color_ = 0;
};

}  // namespace zeto
