#pragma once

#include "tools/core/MathBox.h"

#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

namespace zeto {

// Where each piece of a list of formula lines goes when typeset in a font: lines one under
// another, fractions with a bar over their wider part, radicals whose bar starts where the
// sign ends, scripts smaller and raised or lowered. The view paints exactly this.
class MathLayout {
  public:
    struct Piece {
        MathBox::Kind kind = MathBox::Kind::Row;
        int parent = -1;  // the enclosing piece's index; -1 for a whole line
        int line = 0;
        QRectF rect;  // the room the piece takes, from its highest to its lowest point
        qreal baseline = 0;
        QString text;       // a text piece's characters as drawn
        qreal scale = 1;    // font size against the base font
        qreal stretch = 1;  // a bracket drawn this many times its height, to enclose a fraction
        QLineF bar;         // a fraction's bar or a radical's overbar
        QPolygonF sign;     // a radical's sign, ending where its bar begins
    };

    MathLayout() = default;
    MathLayout(const std::vector<MathBox>& lines, const QFont& font);

    // Every piece, each before its parts.
    const std::vector<Piece>& pieces() const { return pieces_; }
    const std::vector<QRectF>& lineRects() const { return lineRects_; }
    QSizeF size() const { return size_; }
    qreal strokeWidth() const { return stroke_; }
    QFont fontAt(qreal scale) const;

  private:
    struct Extent {
        qreal width = 0;
        qreal ascent = 0;
        qreal descent = 0;
    };

    Extent measure(const MathBox& box, qreal scale) const;
    // A row's items, each bracket as tall as what it encloses.
    std::vector<Extent> rowExtents(const MathBox& row, qreal scale) const;
    // origin: the left end of the piece's baseline; a stretched extent for a bracket.
    void place(const MathBox& box, qreal scale, QPointF origin, int parent, int line,
               const Extent* stretched = nullptr);
    qreal em(qreal scale) const;

    QFont font_;
    qreal stroke_ = 1;
    std::vector<Piece> pieces_;
    std::vector<QRectF> lineRects_;
    QSizeF size_;
};

}  // namespace zeto
