#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace zeto {

// A straight line drawn between two end points given in its parent's coordinates, as the
// designer placed it. The widget covers only the line's bounding box (plus the pen) and lets
// mouse events through to whatever lies beneath.
class LineShape : public QWidget {
    Q_OBJECT
  public:
    explicit LineShape(QWidget* parent);

    // End points in parent pixels.
    void setLine(const QPoint& from, const QPoint& to);
    // End points in parent twips.
    void setLineTwips(int x1, int y1, int x2, int y2);
    QLine line() const { return QLine(from_, to_); }

    void setColor(const QColor& color);
    QColor color() const { return color_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void updateGeometryFromLine();

    QPoint from_;
    QPoint to_;
    QColor color_ = Qt::black;
};

}  // namespace zeto
