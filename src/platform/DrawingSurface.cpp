#include "platform/DrawingSurface.h"

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

// Nearest pixel, halves up. The tiny bias keeps values that are mathematically a half from
// flipping with the last bit of the transform's arithmetic.
int snap(double p) {
    return static_cast<int>(std::floor(p + 0.5 + 1e-9));
}

QPoint snap(const QPointF& p) {
    return QPoint(snap(p.x()), snap(p.y()));
}

// Beyond this radius in pixels a circle is drawn as a polyline over its visible arc, so
// the painter never sees astronomically large shapes.
constexpr double kLargestPaintedRadius = 1e5;
constexpr int kHugeCircleSegments = 1024;
constexpr double kTwoPi = 6.283185307179586476925;

// Changes reach the screen at most this often: about sixty frames a second.
constexpr int kFrameMs = 16;

// The pixels a segment with round caps can touch.
QRect segmentArea(const QPoint& a, const QPoint& b, int width) {
    return QRect(a, b).normalized().adjusted(-width, -width, width, width);
}

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

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
    const double spanX = std::max(image_.width(), 2) - 1;
    const double spanY = std::max(image_.height(), 2) - 1;
    const double sx = spanX / (scaleRight_ - scaleLeft_);
    const double sy = spanY / (scaleBottom_ - scaleTop_);
    toPixel_ = QTransform(sx, 0, 0, sy, -scaleLeft_ * sx, -scaleTop_ * sy);
    toUser_ = toPixel_.inverted();
}

void DrawingSurface::fitImageToWidget() {
    if (image_.size() == size()) return;
    QImage next(size(), QImage::Format_RGB32);
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

void DrawingSurface::line(double x1, double y1, double x2, double y2, BgrColor color) {
    x1 = single(x1);
    y1 = single(y1);
    x2 = single(x2);
    y2 = single(y2);
    drawSegment(x1, y1, x2, y2, color);
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
    drawDot(toPixel(x, y), color);
}

void DrawingSurface::circle(double cx, double cy, double radius, BgrColor color) {
    cx = single(cx);
    cy = single(cy);
    radius = single(radius);
    currentX_ = cx;
    currentY_ = cy;
    if (radius <= 0) return;

    const QPointF c = toPixel(cx, cy);
    const double rx = radius * std::fabs(toPixel_.m11());
    const double ry = radius * std::fabs(toPixel_.m22());
    // Measured in radii along each axis, the outline is the unit circle about the origin and
    // the view a rectangle: the outline misses the view when the view lies wholly inside it or
    // wholly beyond it.
    const double m = viewMargin();
    const double x0 = (-m - c.x()) / rx, x1 = (image_.width() - 1 + m - c.x()) / rx;
    const double y0 = (-m - c.y()) / ry, y1 = (image_.height() - 1 + m - c.y()) / ry;
    const double nearest = std::hypot(std::max({x0, 0.0, -x1}), std::max({y0, 0.0, -y1}));
    const double farthest =
        std::hypot(std::max(std::fabs(x0), std::fabs(x1)), std::max(std::fabs(y0), std::fabs(y1)));
    if (1 < nearest || 1 > farthest) return;

    if (std::max(rx, ry) > kLargestPaintedRadius) {
        drawHugeEllipse(c, rx, ry, color);
        return;
    }
    const QPoint centre = snap(c);
    const int rxp = snap(rx);
    const int ryp = snap(ry);
    const QPoint reach(rxp + drawWidth_, ryp + drawWidth_);
    paintOnImage(QRect(centre - reach, centre + reach), [&](QPainter& p) {
        p.setPen(QPen(colorFromBgr(color), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (rxp == 0 && ryp == 0) {
            p.drawPoint(centre);
        } else {
            p.drawEllipse(centre, rxp, ryp);
        }
    });
}

void DrawingSurface::drawHugeEllipse(const QPointF& c, double rx, double ry, BgrColor color) {
    // The centre lies far outside the view, which therefore subtends less than half a turn:
    // sample only the arc between the directions to the view's corners, measured in radii.
    const double w = image_.width(), h = image_.height();
    const auto angle = [&](double x, double y) {
        return std::atan2((y - c.y()) / ry, (x - c.x()) / rx);
    };
    const double base = angle(w / 2, h / 2);
    double lo = 0, hi = 0;
    const QPointF corners[] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
    for (const QPointF& k : corners) {
        const double a = std::remainder(angle(k.x(), k.y()) - base, kTwoPi);
        lo = std::min(lo, a);
        hi = std::max(hi, a);
    }
    QPointF previous;
    for (int s = 0; s <= kHugeCircleSegments; ++s) {
        const double a = base + lo + (hi - lo) * s / kHugeCircleSegments;
        const QPointF point(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
        if (s > 0) {
            QPointF from = previous, to = point;
            if (clipToView(from, to)) {
                const QPoint p1 = snap(from), p2 = snap(to);
                paintOnImage(segmentArea(p1, p2, drawWidth_), [&](QPainter& p) {
                    p.setPen(QPen(colorFromBgr(color), drawWidth_, Qt::SolidLine, Qt::RoundCap,
                                  Qt::RoundJoin));
                    p.drawLine(p1, p2);
                });
            }
        }
        previous = point;
    }
}

void DrawingSurface::setCurrentPoint(double x, double y) {
    x = single(x);
    y = single(y);
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::print(const QString& text) {
    const QFontMetrics metrics(font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QPointF start = toPixel(currentX_, currentY_);
    const double m = viewMargin();
    // Text runs right and down from its corner: far above or left of the view nothing of it
    // can show, and the painter is spared coordinates it cannot handle.
    const double limit = 1e6;
    const bool visible = start.x() < image_.width() + m && start.y() < image_.height() + m &&
                         start.x() > -limit && start.y() > -limit;
    if (visible) {
        const QPoint corner = snap(start);
        int width = 0;
        for (const QString& l : lines) width = std::max(width, metrics.horizontalAdvance(l));
        const QRect area(corner, QSize(width + 2, lines.size() * metrics.lineSpacing() + 2));
        paintOnImage(area, [&](QPainter& p) {
            p.setPen(colorFromBgr(foreColor_));
            p.setFont(font());
            int baseline = corner.y() + metrics.ascent();
            for (const QString& l : lines) {
                p.drawText(corner.x(), baseline, l);
                baseline += metrics.lineSpacing();
            }
        });
    }
    const QPointF next =
        toUser(QPointF(start.x(), start.y() + lines.size() * metrics.lineSpacing()));
    currentX_ = scaleLeft_;
    currentY_ = next.y();
}

QPointF DrawingSurface::toPixel(double x, double y) const {
    return toPixel_.map(QPointF(x, y));
}

QPointF DrawingSurface::toUser(const QPointF& p) const {
    return toUser_.map(p);
}

void DrawingSurface::paintOnImage(const QRect& area, const std::function<void(QPainter&)>& paint) {
    if (image_.isNull()) return;
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        paint(p);
    }
    markChanged(area);
}

void DrawingSurface::markChanged(const QRect& area) {
    changed_ |= area.intersected(rect());
    if (!repaintTimer_->isActive()) repaintTimer_->start();
}

void DrawingSurface::showChanges() {
    if (changed_.isEmpty()) return;
    update(changed_);
    changed_ = QRect();
}

double DrawingSurface::viewMargin() const {
    return drawWidth_ + 2.0;
}

bool DrawingSurface::clipToView(QPointF& a, QPointF& b) const {
    // Clipped in double precision against the image grown by the pen's reach, so that only
    // short, finite segments ever reach the painter. Each cut point is interpolated from the
    // other end of the segment, which keeps cuts exact when one end lies in the view however
    // far away the other is.
    const double m = viewMargin();
    const double xmin = -m, ymin = -m;
    const double xmax = image_.width() - 1 + m, ymax = image_.height() - 1 + m;
    const auto outcode = [&](const QPointF& p) {
        int code = 0;
        if (p.x() < xmin) code |= 1;
        if (p.x() > xmax) code |= 2;
        if (p.y() < ymin) code |= 4;
        if (p.y() > ymax) code |= 8;
        return code;
    };
    for (int step = 0; step < 8; ++step) {
        const int ca = outcode(a), cb = outcode(b);
        if ((ca | cb) == 0) return true;
        if (ca & cb) return false;
        QPointF& p = ca ? a : b;
        const QPointF q = ca ? b : a;
        const int c = ca ? ca : cb;
        if (c & 3) {
            const double x = (c & 1) ? xmin : xmax;
            p = QPointF(x, q.y() + (x - q.x()) * ((p.y() - q.y()) / (p.x() - q.x())));
        } else {
            const double y = (c & 4) ? ymin : ymax;
            p = QPointF(q.x() + (y - q.y()) * ((p.x() - q.x()) / (p.y() - q.y())), y);
        }
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
    }
    // Rounding can leave a cut point a hair outside after the last step.
    const auto clamp = [&](const QPointF& p) {
        return QPointF(std::clamp(p.x(), xmin, xmax), std::clamp(p.y(), ymin, ymax));
    };
    a = clamp(a);
    b = clamp(b);
    return true;
}

void DrawingSurface::drawSegment(double x1, double y1, double x2, double y2, BgrColor color) {
    currentX_ = x2;
    currentY_ = y2;
    QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    // Both ends far out and differing only beyond double's reach can still produce an
    // infinite difference; such a segment cannot be placed and is skipped like any other
    // invisible one.
    if (!std::isfinite(b.x() - a.x()) || !std::isfinite(b.y() - a.y())) return;
    if (!clipToView(a, b)) return;
    const QPoint p1 = snap(a), p2 = snap(b);
    if (p1 == p2) {
        drawDot(a, color);
        return;
    }
    paintOnImage(segmentArea(p1, p2, drawWidth_), [&](QPainter& p) {
        p.setPen(QPen(colorFromBgr(color), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(p1, p2);
    });
}

void DrawingSurface::drawDot(const QPointF& pixel, BgrColor color) {
    const double m = viewMargin();
    if (!(pixel.x() > -m && pixel.y() > -m && pixel.x() < image_.width() - 1 + m &&
          pixel.y() < image_.height() - 1 + m)) {
        return;
    }
    const QPoint centre = snap(pixel);
    const int w = drawWidth_;
    paintOnImage(QRect(centre - QPoint(w, w), centre + QPoint(w, w)), [&](QPainter& p) {
        if (w <= 2) {
            // Small dots are squares: the pixel itself, or the 2x2 block it anchors.
            p.fillRect(QRect(centre.x() - (w - 1), centre.y() - (w - 1), w, w),
                       colorFromBgr(color));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(colorFromBgr(color));
            p.drawEllipse(QPointF(centre), w / 2.0, w / 2.0);
        }
    });
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect dirty = event->rect();
    if (!image_.rect().contains(dirty)) p.fillRect(dirty, colorFromBgr(backColor_));
    p.drawImage(dirty.intersected(image_.rect()), image_, dirty.intersected(image_.rect()));
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position());
    emit mousePressed(buttonCode(event->button()), user.x(), user.y());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position());
    emit mouseMoved(buttonCode(event->buttons()), user.x(), user.y());
}

}  // namespace zeto
