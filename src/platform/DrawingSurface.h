#pragma once

#include "platform/core/Primitive.h"

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <memory>
#include <vector>

class QTimer;

namespace zeto {

class PrimitivePainter;

// The drawing surface: a persistent image addressed in user coordinates. Every operation
// takes user coordinates; coordinates that are not finite or lie beyond single precision
// raise VbError(Overflow) and never reach the painter.
//
// Each operation becomes one Primitive, painted onto the image and handed to the sink when
// one is set, so that whoever keeps the sink can paint the same picture again (repaint()),
// pixel for pixel.
//
// Pixel grid: the left edge value of the scale lands on the centre of the first pixel
// column and the right edge value on the centre of the last one (likewise top and bottom),
// so lines drawn along the edges of the scale stay visible.
//
// On a screen with more than one device pixel to a logical pixel the image holds the device
// pixels, and the picture is drawn for them (the same rule on the finer grid, pens and text
// as wide as at one to one): sharp, in the same logical layout. Coordinates the surface
// reports and takes for the pointer are logical.
class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    // User coordinate system: the values of the left, top, right and bottom edges. Raises
    // VbError(InvalidProcedureCall) when left equals right or top equals bottom.
    void setScale(double left, double top, double right, double bottom);
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    double scaleRight() const { return scaleRight_; }
    double scaleBottom() const { return scaleBottom_; }
    // Resizes the persistent image to the widget's new size (the picture is kept where it fits).
    void fitImageToWidget();

    // Fills the image with the background colour; the current point returns to (0, 0).
    void clear();
    // Takes effect at the next clear(); the picture itself is left as it is.
    void setBackColor(BgrColor color);
    BgrColor backColor() const { return backColor_; }
    void setForeColor(BgrColor color);
    BgrColor foreColor() const { return foreColor_; }
    // Widths below 1 count as 1.
    void setDrawWidth(int pixels);
    int drawWidth() const { return drawWidth_; }

    // Antialiased, unsnapped painting from now on; the caller paints the picture again.
    void setSmooth(bool smooth);
    bool smooth() const { return smooth_; }

    // Where the pieces drawn from now on are kept; null keeps none.
    void setSink(std::vector<Primitive>* sink) { sink_ = sink; }
    std::vector<Primitive>* sink() const { return sink_; }
    // Whether the pieces drawn from now on reach the image, or only the sink (a picture made
    // for painting all at once afterwards).
    void setPaintingImage(bool painting) { paintingImage_ = painting; }

    // Pieces shown over the image and never painted into it; the last call replaces them.
    void setOverlay(std::vector<Primitive> pieces);
    const std::vector<Primitive>& overlay() const { return overlay_; }

    // Segments have round caps; each moves the current point to its end.
    void line(double x1, double y1, double x2, double y2, BgrColor color);
    void line(double x1, double y1, double x2, double y2);
    void lineTo(double x2, double y2, BgrColor color);
    void lineTo(double x2, double y2);
    // A dot as wide as the pen; it becomes the current point.
    void pset(double x, double y, BgrColor color);
    // The radius is measured in the units of each axis, so on a surface whose units differ
    // across and down the circle is an ellipse in pixels; the centre becomes the current
    // point. A radius of zero or less draws nothing.
    void circle(double cx, double cy, double radius, BgrColor color);
    void setCurrentPoint(double x, double y);
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    // Prints text with its top-left corner at the current point, in the drawing colour and
    // the widget's font; afterwards the current point is at the start of the next text line
    // (left edge of the scale, one line lower).
    void print(const QString& text);

    // Clears the image and paints the layers' pieces in order, as they were drawn.
    void repaint(const std::vector<const std::vector<Primitive>*>& layers);

    // The picture in device pixels; as large as the widget at one device pixel to a pixel.
    // The picture as drawn so far.
    const QImage& image() const {
        endPainting();
        return image_;
    }
    double devicePixelRatioOfImage() const { return ratio_; }
    // Plane units to logical pixels.
    const QTransform& toPixelTransform() const { return toPixel_; }
    QPointF toPixel(double x, double y) const;
    QPointF toUser(const QPointF& pixel) const;

  signals:
    // Button: 1 left, 2 right, 4 middle (on moves the buttons held, or 0); user units.
    void mousePressed(int button, double x, double y);
    void mouseMoved(int button, double x, double y);
    void mouseLeft();
    // The image was made anew for a screen of another pixel density: paint the picture again.
    void resolutionChanged();

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void rebuildTransform();
    // Keeps the piece and paints it onto the image.
    void commit(const Primitive& piece);
    // A plot draws thousands of pieces between two turns of the event loop: one painter on the
    // image serves them all, and goes before anything else reads or fills the image.
    QPainter& livePainter();
    void endPainting() const;
    const PrimitivePainter& painter();
    // The window shows changes at most once per screen frame, and only where they are: a plot
    // draws thousands of small pieces, each followed by a yield.
    void markChanged(const QRect& deviceArea);
    void showChanges();

    QImage image_;
    QRect changed_;
    QTimer* repaintTimer_;
    // Built for the present scale and size when first needed.
    std::unique_ptr<PrimitivePainter> painter_;
    mutable std::unique_ptr<QPainter> live_;
    QTransform toPixel_;
    QTransform toUser_;
    // Plane units to the image's device pixels.
    QTransform toDevice_;
    double ratio_ = 1;
    bool smooth_ = false;
    std::vector<Primitive>* sink_ = nullptr;
    bool paintingImage_ = true;
    std::vector<Primitive> overlay_;
    QRect overlayArea_;
    BgrColor backColor_ = 0xFFFFFF;
    BgrColor foreColor_ = 0;
    int drawWidth_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 1, scaleBottom_ = 1;
};

}  // namespace zeto
