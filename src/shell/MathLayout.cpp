#include "shell/MathLayout.h"

#include <QFontMetricsF>

#include <algorithm>

namespace zeto {
namespace {

using Kind = MathBox::Kind;

// Proportions of the type, in ems of the piece's own size.
constexpr qreal kScriptScale = 0.7;
constexpr qreal kSmallestScale = 0.55;
constexpr qreal kFractionPad = 0.12;   // the bar reaches this far beyond the parts' room
constexpr qreal kFractionGap = 0.12;   // between the bar and each part
constexpr qreal kRadicalGap = 0.12;    // between the overbar and the radicand
constexpr qreal kSignWidth = 0.6;      // the sign from its tick to the top of its long stroke
constexpr qreal kRadicandLead = 0.08;  // between the sign and the radicand
constexpr qreal kRadicalTail = 0.08;   // the overbar beyond the radicand
constexpr qreal kScriptGap = 0.04;
constexpr qreal kSuperscriptRise = 0.45;
constexpr qreal kSubscriptDrop = 0.25;
constexpr qreal kMargin = 0.5;
constexpr qreal kLineGap = 0.6;

// Minus as a typesetter prints it, and a little room around relations.
QString drawn(const QString& characters) {
    QString shown;
    for (QChar c : characters) {
        if (c == QLatin1Char('-'))
            shown += QChar(0x2212);
        else if (QStringLiteral("=<>≈").contains(c))
            shown += QChar(0x2009) + QString(c) + QChar(0x2009);
        else
            shown += c;
    }
    return shown;
}

qreal scriptScale(qreal scale) {
    return std::max(kSmallestScale, scale * kScriptScale);
}

}  // namespace

MathLayout::MathLayout(const std::vector<MathBox>& lines, const QFont& font) : font_(font) {
    const QFontMetricsF metrics(font_);
    stroke_ = std::max<qreal>(1, metrics.lineWidth());
    const qreal margin = kMargin * em(1);
    qreal top = margin;
    qreal width = 0;
    for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
        const Extent extent = measure(lines[k], 1);
        place(lines[k], 1, QPointF(margin, top + extent.ascent), -1, k);
        lineRects_.push_back(QRectF(margin, top, extent.width, extent.ascent + extent.descent));
        top += extent.ascent + extent.descent + kLineGap * em(1);
        width = std::max(width, extent.width);
    }
    if (!lines.empty()) top -= kLineGap * em(1);
    size_ = QSizeF(width + 2 * margin, top + margin);
}

QFont MathLayout::fontAt(qreal scale) const {
    QFont font = font_;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return font;
}

qreal MathLayout::em(qreal scale) const {
    return QFontMetricsF(fontAt(scale)).height() * 0.8;
}

MathLayout::Extent MathLayout::measure(const MathBox& box, qreal scale) const {
    const std::vector<MathBox>& parts = box.parts();
    const QFontMetricsF metrics(fontAt(scale));
    const qreal size = em(scale);
    switch (box.kind()) {
        case Kind::Text:
            return {metrics.horizontalAdvance(drawn(box.characters())), metrics.ascent(),
                    metrics.descent()};
        case Kind::Row: {
            // An empty row still has the height of a line of text.
            Extent row{0, metrics.ascent(), metrics.descent()};
            for (const MathBox& item : parts) {
                const Extent e = measure(item, scale);
                row.width += e.width;
                row.ascent = std::max(row.ascent, e.ascent);
                row.descent = std::max(row.descent, e.descent);
            }
            return row;
        }
        case Kind::Fraction: {
            const Extent top = measure(parts[0], scale);
            const Extent bottom = measure(parts[1], scale);
            const qreal axis = metrics.strikeOutPos();
            const qreal gap = kFractionGap * size + stroke_ / 2;
            return {std::max(top.width, bottom.width) + 2 * kFractionPad * size,
                    axis + gap + top.ascent + top.descent,
                    bottom.ascent + bottom.descent + gap - axis};
        }
        case Kind::Radical: {
            const Extent radicand = measure(parts[0], scale);
            return {(kSignWidth + kRadicandLead + kRadicalTail) * size + radicand.width,
                    radicand.ascent + kRadicalGap * size + stroke_, radicand.descent + stroke_};
        }
        case Kind::Superscript:
        case Kind::Subscript: {
            const Extent base = measure(parts[0], scale);
            const Extent script = measure(parts[1], scriptScale(scale));
            const qreal width = base.width + kScriptGap * size + script.width;
            if (box.kind() == Kind::Subscript) {
                const qreal drop = kSubscriptDrop * size;
                return {width, std::max(base.ascent, script.ascent - drop),
                        std::max(base.descent, drop + script.descent)};
            }
            const qreal rise =
                std::max(kSuperscriptRise * size, base.ascent - 0.85 * script.ascent);
            return {width, std::max(base.ascent, rise + script.ascent),
                    std::max(base.descent, script.descent - rise)};
        }
    }
    return {};
}

std::vector<MathLayout::Extent> MathLayout::rowExtents(const MathBox& row, qreal scale) const {
    std::vector<Extent> extents;
    std::vector<size_t> opened;
    const std::vector<MathBox>& items = row.parts();
    for (size_t k = 0; k < items.size(); ++k) {
        extents.push_back(measure(items[k], scale));
        if (items[k].kind() != Kind::Text) continue;
        if (items[k].characters() == QLatin1String("(")) opened.push_back(k);
        if (items[k].characters() != QLatin1String(")") || opened.empty()) continue;
        // Inner pairs close first, so what lies between is already at its full height.
        const size_t open = opened.back();
        opened.pop_back();
        for (size_t inner = open + 1; inner < k; ++inner)
            for (size_t end : {open, k}) {
                extents[end].ascent = std::max(extents[end].ascent, extents[inner].ascent);
                extents[end].descent = std::max(extents[end].descent, extents[inner].descent);
            }
    }
    return extents;
}

void MathLayout::place(const MathBox& box, qreal scale, QPointF origin, int parent, int line,
                       const Extent* stretched) {
    const Extent natural = measure(box, scale);
    const Extent extent = stretched ? *stretched : natural;
    const int index = static_cast<int>(pieces_.size());
    Piece piece;
    piece.kind = box.kind();
    piece.parent = parent;
    piece.line = line;
    piece.rect = QRectF(origin.x(), origin.y() - extent.ascent, extent.width,
                        extent.ascent + extent.descent);
    piece.baseline = origin.y();
    piece.scale = scale;
    piece.stretch = (extent.ascent + extent.descent) / (natural.ascent + natural.descent);
    if (box.kind() == Kind::Text) piece.text = drawn(box.characters());
    pieces_.push_back(piece);

    const std::vector<MathBox>& parts = box.parts();
    const qreal size = em(scale);
    const qreal x = origin.x();
    const qreal baseline = origin.y();
    switch (box.kind()) {
        case Kind::Text:
            break;
        case Kind::Row: {
            const std::vector<Extent> extents = rowExtents(box, scale);
            qreal along = x;
            for (size_t k = 0; k < parts.size(); ++k) {
                place(parts[k], scale, QPointF(along, baseline), index, line, &extents[k]);
                along += extents[k].width;
            }
            break;
        }
        case Kind::Fraction: {
            const Extent top = measure(parts[0], scale);
            const Extent bottom = measure(parts[1], scale);
            const qreal width = std::max(top.width, bottom.width);
            const qreal left = x + kFractionPad * size;
            const qreal barY = baseline - QFontMetricsF(fontAt(scale)).strikeOutPos();
            const qreal gap = kFractionGap * size + stroke_ / 2;
            pieces_[index].bar = QLineF(left, barY, left + width, barY);
            place(parts[0], scale,
                  QPointF(left + (width - top.width) / 2, barY - gap - top.descent), index, line);
            place(parts[1], scale,
                  QPointF(left + (width - bottom.width) / 2, barY + gap + bottom.ascent), index,
                  line);
            break;
        }
        case Kind::Radical: {
            const Extent radicand = measure(parts[0], scale);
            const qreal barY = baseline - radicand.ascent - kRadicalGap * size - stroke_ / 2;
            const qreal bottom = baseline + radicand.descent;
            const qreal height = bottom - barY;
            const QPointF join(x + kSignWidth * size, barY);
            // The short tick rising to the right, the stroke down to the foot, the long stroke
            // up to the bar.
            pieces_[index].sign = QPolygonF({QPointF(x, bottom - 0.42 * height),
                                             QPointF(x + 0.14 * size, bottom - 0.5 * height),
                                             QPointF(x + 0.32 * size, bottom), join});
            pieces_[index].bar = QLineF(join, QPointF(x + extent.width, barY));
            place(parts[0], scale, QPointF(join.x() + kRadicandLead * size, baseline), index, line);
            break;
        }
        case Kind::Superscript:
        case Kind::Subscript: {
            const Extent base = measure(parts[0], scale);
            const qreal small = scriptScale(scale);
            const Extent script = measure(parts[1], small);
            place(parts[0], scale, origin, index, line);
            const qreal shift =
                box.kind() == Kind::Subscript
                    ? kSubscriptDrop * size
                    : -std::max(kSuperscriptRise * size, base.ascent - 0.85 * script.ascent);
            place(parts[1], small, QPointF(x + base.width + kScriptGap * size, baseline + shift),
                  index, line);
            break;
        }
    }
}

}  // namespace zeto
