#pragma once

#include "platform/core/Primitive.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <vector>

class QPainter;

namespace zeto {

// Paints the pieces of a picture of the plane onto a device whose pixels `toPixel` maps plane
// units to. The same painter serves the plane on screen, where a picture drawn piece by piece
// and the same picture painted again from its record must agree pixel for pixel, and the
// larger, smoother pictures of projection, export and print.
//
// Pixel rule of the screen: a plane point is drawn on the pixel nearest to it (halves round
// up), painting is aliased, text included, so every drawn pixel has exactly the colour asked
// for. Smooth painting instead places everything at its exact position, antialiased.
class PrimitivePainter {
  public:
    struct Style {
        bool smooth = false;
        // Pen widths and text are multiplied by this: a picture larger than the plane on screen
        // keeps the look of the screen's pixels. Text is then sized in the target's own pixels,
        // so the look holds on devices of any resolution (a page, a vector file).
        double scale = 1;
    };

    PrimitivePainter(const QTransform& toPixel, const QSize& pixels, const QFont& font,
                     Style style);
    PrimitivePainter(const QTransform& toPixel, const QSize& pixels, const QFont& font)
        : PrimitivePainter(toPixel, pixels, font, Style{}) {}

    // Sets the painter up for this painter's style; call once per QPainter.
    void prepare(QPainter& p) const;
    // Paints one piece; returns the pixels it may have changed (empty when nothing of it is in
    // view).
    QRect paint(QPainter& p, const Primitive& piece) const;
    // Paints pieces in order. Smooth painting joins the segments of a curve, and the dots that
    // touch, into one path: its joints stay even, and a vector file gets one path per curve.
    void paintAll(QPainter& p, const std::vector<Primitive>& pieces, std::size_t from = 0) const;

    const QFont& font() const { return font_; }

  private:
    QRect segment(QPainter& p, const Primitive& s) const;
    QRect dot(QPainter& p, const QPointF& pixel, BgrColor color, int width) const;
    QRect circle(QPainter& p, const Primitive& c) const;
    QRect text(QPainter& p, const Primitive& t) const;
    void hugeEllipse(QPainter& p, const QPointF& centre, double rx, double ry, BgrColor color,
                     int width) const;
    // The run of pieces from `first` that one path can stroke; paints it and returns its end.
    std::size_t paintRun(QPainter& p, const std::vector<Primitive>& pieces,
                         std::size_t first) const;
    bool clipToView(QPointF& a, QPointF& b, int width) const;
    double viewMargin(int width) const;
    int penWidth(int width) const;

    QTransform toPixel_;
    QSize pixels_;
    QFont font_;
    Style style_;
};

}  // namespace zeto
