#include "plane/PlaneRenderer.h"

#include "platform/ColorSwatch.h"
#include "platform/core/NumberText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace zeto {

namespace {

constexpr BgrColor kBlack = 0x000000;

// Numbers are shown at every step'th unit, the smallest step that keeps them apart.
constexpr int kNumberSteps[] = {1, 2, 5, 10, 20};

int numberStep(double unit, double room) {
    for (int step : kNumberSteps)
        if (step * unit >= room) return step;
    return kNumberSteps[std::size(kNumberSteps) - 1];
}

}  // namespace

PlaneRenderer::PlaneRenderer(const PlaneSettings& settings, const QFont& font)
    : settings_(settings), font_(font) {}

PrimitivePainter PlaneRenderer::painterFor(const PlaneFrame& frame) const {
    return PrimitivePainter(frame.toTarget, frame.view, font_,
                            PrimitivePainter::Style{frame.smooth, frame.scale});
}

void PlaneRenderer::clip(QPainter& p, const PlaneFrame& frame) const {
    // Lines along the plane's edges keep their whole width.
    const double reach = 2 * frame.scale + 1;
    p.setClipRect(frame.plane.adjusted(-reach, -reach, reach, reach), Qt::IntersectClip);
}

void PlaneRenderer::paint(QPainter& p, const PlaneFrame& frame, const Layers& layers) const {
    p.save();
    p.fillRect(frame.plane, colorFromBgr(settings_.backgroundColor));
    clip(p, frame);
    const PrimitivePainter painter = painterFor(frame);
    painter.prepare(p);
    painter.paintAll(p, axes(frame));
    for (const std::vector<Primitive>* layer : layers) painter.paintAll(p, *layer);
    p.restore();
}

std::vector<Primitive> PlaneRenderer::axes(const PlaneFrame& frame) const {
    const int L = settings_.axisLength;
    const BgrColor axis = settings_.axisColor;
    std::vector<Primitive> pieces;
    if (settings_.gridShown) {
        for (int k = -L; k <= L; ++k) {
            if (k == 0) continue;
            pieces.push_back(Primitive::segment(-L, k, L, k, settings_.gridColor, 1));
            pieces.push_back(Primitive::segment(k, -L, k, L, settings_.gridColor, 1));
        }
    }
    pieces.push_back(Primitive::segment(-L, 0, L, 0, axis, 1));
    pieces.push_back(Primitive::segment(L, 0, L - 0.5, 0.5, axis, 1));
    pieces.push_back(Primitive::segment(L, 0, L - 0.5, -0.5, axis, 1));
    pieces.push_back(Primitive::label(L - 0.5, -0.5, QStringLiteral("X"), kBlack));
    pieces.push_back(Primitive::segment(0, -L, 0, L, axis, 1));
    pieces.push_back(Primitive::segment(0, L, 0.5, L - 0.5, axis, 1));
    pieces.push_back(Primitive::segment(0, L, -0.5, L - 0.5, axis, 1));
    pieces.push_back(Primitive::label(-0.5, L - 0.5, QStringLiteral("Y"), kBlack));

    // As on screen, the ticks take the drawing colour: black up to the first number, the axis
    // colour after it.
    const bool numbers = settings_.labelsShown;
    const double tick = std::fabs(L / 40.0);
    for (int j = 1 - L; j <= L - 1; ++j) {
        pieces.push_back(
            Primitive::segment(j, 0, j, tick, numbers && j != 1 - L ? axis : kBlack, 1));
        pieces.push_back(Primitive::segment(0, j, -tick, j, numbers ? axis : kBlack, 1));
    }
    if (numbers) addNumbers(pieces, frame);
    return pieces;
}

void PlaneRenderer::addNumbers(std::vector<Primitive>& pieces, const PlaneFrame& frame) const {
    const int L = settings_.axisLength;
    const QFontMetricsF metrics(painterFor(frame).font());
    const QTransform toPlane = frame.toTarget.inverted();
    const QPointF origin = frame.toTarget.map(QPointF(0, 0));
    const double unitAcross = std::fabs(frame.toTarget.m11());
    const double unitDown = std::fabs(frame.toTarget.m22());
    const double height = metrics.height();
    const double gap = height / 4;
    // The y axis's ticks point left, into the numbers' side.
    const double tickReach = std::fabs(L / 40.0) * unitAcross;

    // The axis letters keep their places; a number that would touch one is left out.
    std::vector<QRectF> taken;
    for (const Primitive& piece : pieces) {
        if (piece.shape != Primitive::Shape::Text) continue;
        taken.emplace_back(frame.toTarget.map(QPointF(piece.x1, piece.y1)),
                           QSizeF(metrics.horizontalAdvance(piece.text), height));
    }
    const auto place = [&](const QPointF& corner, double width, const QString& text) {
        const QRectF box(corner, QSizeF(width, height));
        for (const QRectF& other : taken)
            if (box.adjusted(-gap / 2, 0, gap / 2, 0).intersects(other)) return;
        taken.push_back(box);
        const QPointF at = toPlane.map(corner);
        pieces.push_back(Primitive::label(at.x(), at.y(), text, settings_.axisColor));
    };

    double widest = 0;
    for (int j = 1 - L; j <= L - 1; ++j)
        widest = std::max(widest, metrics.horizontalAdvance(numberText(j)));
    const int stepAcross = numberStep(unitAcross, widest + 2 * gap);
    const int stepDown = numberStep(unitDown, height + gap);
    for (int j = 1 - L; j <= L - 1; ++j) {
        const QString text = numberText(j);
        const double width = metrics.horizontalAdvance(text);
        const QPointF tick = frame.toTarget.map(QPointF(j, j));
        if (j % stepAcross == 0) {
            // Under its tick; the origin's beside the y axis, clear of its ticks.
            const double left =
                j == 0 ? origin.x() - tickReach - gap - width : tick.x() - width / 2;
            place(QPointF(left, origin.y() + gap), width, text);
        }
        if (j != 0 && j % stepDown == 0)
            place(QPointF(origin.x() - tickReach - gap - width, tick.y() - height / 2), width,
                  text);
    }
}

}  // namespace zeto
