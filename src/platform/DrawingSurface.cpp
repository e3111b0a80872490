#include "platform/DrawingSurface.h"

#include "platform/ColorSwatch.h"
#include "platform/MouseButtons.h"
#include "platform/PrimitivePainter.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zeto {

namespace {

// Graphics methods take 32-bit floats: a value that does not fit overflows before any
// drawing happens.
double single(double value) {
    const float f = toSingle(value);
    if (!std::isfinite(f)) throw VbError(VbError::Overflow);
    return f;
}

// Changes reach the screen at most this often: about sixty frames a second.
constexpr int kFrameMs = 16;

}  // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent), repaintTimer_(new QTimer(this)) {
    repaintTimer_->setSingleShot(true);
    repaintTimer_->setInterval(kFrameMs);
    connect(repaintTimer_, &QTimer::timeout, this, &DrawingSurface::showChanges);
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    setFont(f);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    rebuildTransform();
}

DrawingSurface::~DrawingSurface() {
    endPainting();
}

void DrawingSurface::setScale(double left, double top, double right, double bottom) {
    left = single(left);
    top = single(top);
    right = single(right);
    bottom = single(bottom);
    if (left == right || top == bottom) {
        throw VbError(VbError::InvalidProcedureCall);
    }
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleRight_ = right;
    scaleBottom_ = bottom;
    rebuildTransform();
}

void DrawingSurface::rebuildTransform() {
    const auto mapping = [this](QSize pixels) {
        const double spanX = std::max(pixels.width(), 2) - 1;
        const double spanY = std::max(pixels.height(), 2) - 1;
        const double sx = spanX / (scaleRight_ - scaleLeft_);
        const double sy = spanY / (scaleBottom_ - scaleTop_);
        return QTransform(sx, 0, 0, sy, -scaleLeft_ * sx, -scaleTop_ * sy);
    };
    toPixel_ = mapping(ratio_ == 1 ? image_.size() : size());
    toUser_ = toPixel_.inverted();
    toDevice_ = mapping(image_.size());
    endPainting();
    painter_.reset();
}

void DrawingSurface::fitImageToWidget() {
    const double ratio = devicePixelRatioF();
    const QSize device = ratio == 1 ? size()
                                    : QSize(static_cast<int>(std::ceil(width() * ratio)),
                                            static_cast<int>(std::ceil(height() * ratio)));
    if (image_.size() == device && ratio_ == ratio) return;
    endPainting();
    ratio_ = ratio;
    QImage next(device, QImage::Format_RGB32);
    next.fill(colorFromBgr(backColor_));
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
    rebuildTransform();
    markChanged(image_.rect());
}

void DrawingSurface::clear() {
    endPainting();
    image_.fill(colorFromBgr(backColor_));
    currentX_ = 0;
    currentY_ = 0;
    markChanged(image_.rect());
}

void DrawingSurface::setBackColor(BgrColor color) {
    backColor_ = color & 0xFFFFFF;
}
void DrawingSurface::setForeColor(BgrColor color) {
    foreColor_ = color & 0xFFFFFF;
}
void DrawingSurface::setDrawWidth(int pixels) {
    drawWidth_ = std::max(pixels, 1);
}

void DrawingSurface::setSmooth(bool smooth) {
    smooth_ = smooth;
    endPainting();
    painter_.reset();
}

const PrimitivePainter& DrawingSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<PrimitivePainter>(toDevice_, image_.size(), font(),
                                                      PrimitivePainter::Style{smooth_, ratio_});
    }
    return *painter_;
}

bool DrawingSurface::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // A window dragged to a screen of another density.
    if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatioF() != ratio_ &&
        !image_.isNull()) {
        fitImageToWidget();
        emit resolutionChanged();
    }
    return handled;
}

void DrawingSurface::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        endPainting();
        painter_.reset();
    }
    QWidget::changeEvent(event);
}

void DrawingSurface::commit(const Primitive& piece) {
    if (sink_) sink_->push_back(piece);
    if (image_.isNull() || !paintingImage_) return;
    const QRect area = painter().paint(livePainter(), piece);
    if (!area.isEmpty()) markChanged(area);
}

QPainter& DrawingSurface::livePainter() {
    if (!live_) {
        live_ = std::make_unique<QPainter>(&image_);
        painter().prepare(*live_);
    }
    return *live_;
}

void DrawingSurface::endPainting() const {
    live_.reset();
}

void DrawingSurface::repaint(const std::vector<const std::vector<Primitive>*>& layers) {
    endPainting();
    image_.fill(colorFromBgr(backColor_));
    if (!image_.isNull()) {
        const PrimitivePainter& painter = this->painter();
        QPainter p(&image_);
        painter.prepare(p);
        for (const std::vector<Primitive>* layer : layers)
            for (const Primitive& piece : *layer) painter.paint(p, piece);
    }
    markChanged(image_.rect());
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, BgrColor color) {
    x1 = single(x1);
    y1 = single(y1);
    x2 = single(x2);
    y2 = single(y2);
    currentX_ = x2;
    currentY_ = y2;
    commit(Primitive::segment(x1, y1, x2, y2, color & 0xFFFFFF, drawWidth_));
}

void DrawingSurface::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, foreColor_);
}

void DrawingSurface::lineTo(double x2, double y2, BgrColor color) {
    line(currentX_, currentY_, x2, y2, color);
}

void DrawingSurface::lineTo(double x2, double y2) {
    lineTo(x2, y2, foreColor_);
}

void DrawingSurface::pset(double x, double y, BgrColor color) {
    x = single(x);
    y = single(y);
    currentX_ = x;
    currentY_ = y;
    commit(Primitive::dot(x, y, color & 0xFFFFFF, drawWidth_));
}

void DrawingSurface::circle(double cx, double cy, double radius, BgrColor color) {
    cx = single(cx);
    cy = single(cy);
    radius = single(radius);
    currentX_ = cx;
    currentY_ = cy;
    if (radius <= 0) return;
    commit(Primitive::circle(cx, cy, radius, color & 0xFFFFFF, drawWidth_));
}

void DrawingSurface::setCurrentPoint(double x, double y) {
    x = single(x);
    y = single(y);
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::print(const QString& text) {
    commit(Primitive::label(currentX_, currentY_, text, foreColor_));
    const QFontMetrics metrics(font());
    const qsizetype lines = text.count(QLatin1Char('\n')) + 1;
    const QPointF start = toPixel(currentX_, currentY_);
    const QPointF next =
        toUser(QPointF(start.x(), start.y() + static_cast<double>(lines * metrics.lineSpacing())));
    currentX_ = scaleLeft_;
    currentY_ = next.y();
}

QPointF DrawingSurface::toPixel(double x, double y) const {
    return toPixel_.map(QPointF(x, y));
}

QPointF DrawingSurface::toUser(const QPointF& p) const {
    return toUser_.map(p);
}

void DrawingSurface::markChanged(const QRect& deviceArea) {
    const QRect area = ratio_ == 1
                           ? deviceArea
                           : QRectF(deviceArea.x() / ratio_, deviceArea.y() / ratio_,
                                    deviceArea.width() / ratio_, deviceArea.height() / ratio_)
                                 .toAlignedRect()
                                 .adjusted(-1, -1, 1, 1);
    changed_ |= area.intersected(rect());
    if (!repaintTimer_->isActive()) repaintTimer_->start();
}

void DrawingSurface::showChanges() {
    endPainting();
    if (changed_.isEmpty()) return;
    update(changed_);
    changed_ = QRect();
}

void DrawingSurface::setOverlay(std::vector<Primitive> pieces) {
    if (pieces.empty() && overlay_.empty()) return;
    overlay_ = std::move(pieces);
    // What the old pieces covered and what the new ones cover, measured on a scratch image.
    QRect area = overlayArea_;
    overlayArea_ = QRect();
    if (!overlay_.empty() && !image_.isNull()) {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter p(&scratch);
        const PrimitivePainter& painter = this->painter();
        painter.prepare(p);
        p.setClipRect(QRect(0, 0, 0, 0));
        for (const Primitive& piece : overlay_) overlayArea_ |= painter.paint(p, piece);
    }
    area |= overlayArea_;
    if (!area.isEmpty()) markChanged(area);
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    endPainting();
    QPainter p(this);
    const QRect dirty = event->rect();
    if (ratio_ == 1) {
        if (!image_.rect().contains(dirty)) p.fillRect(dirty, colorFromBgr(backColor_));
        p.drawImage(dirty.intersected(image_.rect()), image_, dirty.intersected(image_.rect()));
    } else {
        // Whole device pixels of the image onto the same device pixels of the screen.
        const QRect source = QRectF(dirty.x() * ratio_, dirty.y() * ratio_, dirty.width() * ratio_,
                                    dirty.height() * ratio_)
                                 .toAlignedRect()
                                 .intersected(image_.rect());
        p.fillRect(dirty, colorFromBgr(backColor_));
        p.drawImage(QRectF(source.x() / ratio_, source.y() / ratio_, source.width() / ratio_,
                           source.height() / ratio_),
                    image_, source);
    }
    if (overlay_.empty()) return;
    // The overlay is painted over the picture in the image's device pixels.
    const PrimitivePainter& painter = this->painter();
    painter.prepare(p);
    p.setClipRect(dirty);
    if (ratio_ != 1) p.scale(1 / ratio_, 1 / ratio_);
    for (const Primitive& piece : overlay_) painter.paint(p, piece);
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position());
    emit mousePressed(mouseButtonCode(event->button()), user.x(), user.y());
}

void DrawingSurface::leaveEvent(QEvent* event) {
    emit mouseLeft();
    QWidget::leaveEvent(event);
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position());
    emit mouseMoved(mouseButtonCode(event->buttons()), user.x(), user.y());
}

}  // namespace zeto
