#pragma once

#include "platform/ColorSwatch.h"

#include <QImage>
#include <QWidget>

namespace zeto {

// The drawing surface: a persistent image addressed in user coordinates. Every operation
// takes user coordinates; coordinates that are not finite or lie beyond single precision
// raise VbError(Overflow) and never reach the painter.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    // User coordinate system: the values of the left, top, right and bottom edges.
    void setScale(double left, double top, double right, double bottom);
    // Resizes the persistent image to the widget's new size (the picture is kept where it fits).
    void fitImageToWidget();

    void clear();
    void setBackColor(BgrColor color);
    BgrColor backColor() const { return backColor_; }
    void setForeColor(BgrColor color);
    BgrColor foreColor() const { return foreColor_; }
    void setDrawWidth(int pixels);
    int drawWidth() const { return drawWidth_; }

    void line(double x1, double y1, double x2, double y2, BgrColor color);
    void line(double x1, double y1, double x2, double y2);
    void lineTo(double x2, double y2, BgrColor color);
    void lineTo(double x2, double y2);
    void pset(double x, double y, BgrColor color);
    void circle(double cx, double cy, double radius, BgrColor color);
    void setCurrentPoint(double x, double y);
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    // Prints text with its top-left corner at the current point, in the drawing colour.
    void print(const QString& text);

    const QImage& image() const { return image_; }
    QPointF toPixel(double x, double y) const;
    QPointF toUser(const QPointF& pixel) const;

signals:
    // Button: 1 left, 2 right (0 for none on moves); coordinates in user units.
    void mousePressed(int button, double x, double y);
    void mouseMoved(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    BgrColor backColor_ = 0xFFFFFF;
    BgrColor foreColor_ = 0;
    int drawWidth_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 1, scaleBottom_ = 1;
};

}  // namespace zeto
