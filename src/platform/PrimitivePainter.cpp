#include "platform/PrimitivePainter.h"

#include "platform/ColorSwatch.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace zeto {
namespace {

// Nearest pixel, halves up. The tiny bias keeps values that are mathematically a half from
// flipping with the last bit of the transform's arithmetic.
int snap(double p) {
    return static_cast<int>(std::floor(p + 0.5 + 1e-9));
}

QPoint snap(const QPointF& p) {
    return QPoint(snap(p.x()), snap(p.y()));
}

// Beyond this radius in pixels a circle is drawn as a polyline over its visible arc, so the
// painter never sees astronomically large shapes.
constexpr double kLargestPaintedRadius = 1e5;
constexpr int kHugeCircleSegments = 1024;
constexpr double kTwoPi = 6.283185307179586476925;

// A joined path leaves out points closer than this to the last one it kept, in the target's
// pixels: a finely sampled curve would otherwise carry thousands of invisible steps.
constexpr double kSmallestStep = 0.25;

// Points of one polyline a raster painter is handed at a time.
constexpr std::size_t kRasterPolyline = 64;

// A curve drawn a branch at a time, or two branches in turn (the halves of an ellipse, of a
// hyperbola), keeps this many of its ends open for the pieces that continue them.
constexpr std::size_t kOpenEnds = 4;

bool sameStyle(const Primitive& a, const Primitive& b) {
    return a.shape == b.shape && a.color == b.color && a.width == b.width;
}

// The pieces of one colour and width as polylines: a segment continues the open polyline that
// ends where it starts, or within half the pen's width of it (plots whose segments overlap
// their neighbours: the pen covers the difference), a dot the one whose end it touches. A dot
// that touches nothing stays a dot. Points closer than kSmallestStep to the last one a
// polyline keeps are left out.
class Polylines {
  public:
    explicit Polylines(double dotReach) : dotReach_(dotReach) {}

    void segment(const QPointF& a, const QPointF& b) {
        Line* line = openLine([&a](const Line& l) { return l.tip == a; });
        if (!line) {
            line =
                openLine([&](const Line& l) { return QLineF(l.tip, a).length() <= dotReach_ / 2; });
        }
        if (!line) line = startLine(a);
        extend(*line, b);
    }
    void dot(const QPointF& centre) {
        Line* line =
            openLine([&](const Line& l) { return QLineF(l.tip, centre).length() <= dotReach_; });
        if (line) {
            extend(*line, centre);
        } else {
            startLine(centre);
        }
    }
    // Hands each polyline of two or more points, and each dot left alone, to `stroke` and
    // `spot`.
    template <typename Stroke, typename Spot>
    void finish(Stroke&& stroke, Spot&& spot) {
        for (Line& line : lines_) {
            if (line.skipped) line.points.push_back(line.tip);
            const QPointF& start = line.points.front();
            if (line.points.size() == 1 || (line.points.size() == 2 && line.points[1] == start)) {
                spot(start);
            } else {
                stroke(line.points);
            }
        }
    }

  private:
    struct Line {
        std::vector<QPointF> points;
        QPointF tip;           // where the last piece ended
        bool skipped = false;  // the tip is not among the points yet
    };

    template <typename Continues>
    Line* openLine(Continues&& continues) {
        for (auto k = open_.rbegin(); k != open_.rend(); ++k) {
            if (!continues(lines_[*k])) continue;
            const std::size_t index = *k;
            open_.erase(std::next(k).base());
            open_.push_back(index);
            return &lines_[index];
        }
        return nullptr;
    }
    Line* startLine(const QPointF& at) {
        lines_.push_back(Line{{at}, at, false});
        open_.push_back(lines_.size() - 1);
        if (open_.size() > kOpenEnds) open_.erase(open_.begin());
        return &lines_.back();
    }
    static void extend(Line& line, const QPointF& to) {
        line.tip = to;
        line.skipped = QLineF(line.points.back(), to).length() < kSmallestStep;
        if (!line.skipped) line.points.push_back(to);
    }

    double dotReach_;
    std::vector<Line> lines_;
    std::vector<std::size_t> open_;  // indices into lines_, the most recently continued last
};

// The pixels a segment with round caps can touch.
QRect segmentArea(const QPointF& a, const QPointF& b, int width) {
    const int reach = width + 1;
    return QRect(snap(a), snap(b)).normalized().adjusted(-reach, -reach, reach, reach);
}

}  // namespace

PrimitivePainter::PrimitivePainter(const QTransform& toPixel, const QSize& pixels,
                                   const QFont& font, Style style)
    : toPixel_(toPixel), pixels_(pixels), font_(font), style_(style) {
    if (style_.scale != 1) {
        // The font's size on screen, in the target's pixels.
        const double screenPixels = QFontInfo(font).pixelSize();
        font_.setPixelSize(std::max(1, static_cast<int>(std::lround(screenPixels * style_.scale))));
    }
    font_.setStyleStrategy(style_.smooth ? QFont::PreferAntialias : QFont::NoAntialias);
}

void PrimitivePainter::prepare(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, style_.smooth);
    p.setRenderHint(QPainter::TextAntialiasing, style_.smooth);
    p.setFont(font_);
}

int PrimitivePainter::penWidth(int width) const {
    return std::max(1, static_cast<int>(std::lround(width * style_.scale)));
}

double PrimitivePainter::viewMargin(int width) const {
    return penWidth(width) + 2.0;
}

QRect PrimitivePainter::paint(QPainter& p, const Primitive& piece) const {
    switch (piece.shape) {
        case Primitive::Shape::Segment:
            return segment(p, piece);
        case Primitive::Shape::Dot:
            return dot(p, toPixel_.map(QPointF(piece.x1, piece.y1)), piece.color, piece.width);
        case Primitive::Shape::Circle:
            return circle(p, piece);
        case Primitive::Shape::Text:
            return text(p, piece);
    }
    return QRect();
}

void PrimitivePainter::paintAll(QPainter& p, const std::vector<Primitive>& pieces,
                                std::size_t from) const {
    std::size_t k = from;
    while (k < pieces.size()) {
        const Primitive& piece = pieces[k];
        const bool joinable = style_.smooth && (piece.shape == Primitive::Shape::Segment ||
                                                piece.shape == Primitive::Shape::Dot);
        if (joinable) {
            k = paintRun(p, pieces, k);
        } else {
            paint(p, piece);
            ++k;
        }
    }
}

std::size_t PrimitivePainter::paintRun(QPainter& p, const std::vector<Primitive>& pieces,
                                       std::size_t first) const {
    const Primitive& head = pieces[first];
    const int width = penWidth(head.width);
    const double m = viewMargin(head.width);
    Polylines lines(width);
    std::size_t k = first;
    for (; k < pieces.size() && sameStyle(pieces[k], head); ++k) {
        const Primitive& piece = pieces[k];
        QPointF a = toPixel_.map(QPointF(piece.x1, piece.y1));
        if (head.shape == Primitive::Shape::Dot) {
            if (a.x() > -m && a.y() > -m && a.x() < pixels_.width() - 1 + m &&
                a.y() < pixels_.height() - 1 + m) {
                lines.dot(a);
            }
            continue;
        }
        QPointF b = toPixel_.map(QPointF(piece.x2, piece.y2));
        if (std::isfinite(b.x() - a.x()) && std::isfinite(b.y() - a.y()) &&
            clipToView(a, b, head.width)) {
            lines.segment(a, b);
        }
    }
    const QColor color = colorFromBgr(head.color);
    const QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // A vector file gets each curve whole; a raster painter is much faster with short
    // polylines than with one that spans the picture.
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    lines.finish(
        [&](const std::vector<QPointF>& points) {
            p.setPen(pen);
            if (!raster) {
                QPainterPath path(points.front());
                for (std::size_t k = 1; k < points.size(); ++k) path.lineTo(points[k]);
                p.drawPath(path);
                return;
            }
            for (std::size_t from = 0; from + 1 < points.size(); from += kRasterPolyline - 1) {
                const std::size_t count = std::min(kRasterPolyline, points.size() - from);
                p.drawPolyline(points.data() + from, static_cast<int>(count));
            }
        },
        [&](const QPointF& centre) { dot(p, centre, head.color, head.width); });
    return k;
}

QRect PrimitivePainter::segment(QPainter& p, const Primitive& s) const {
    QPointF a = toPixel_.map(QPointF(s.x1, s.y1)), b = toPixel_.map(QPointF(s.x2, s.y2));
    // Both ends far out and differing only beyond double's reach can still produce an infinite
    // difference; such a segment cannot be placed and is skipped like any other invisible one.
    if (!std::isfinite(b.x() - a.x()) || !std::isfinite(b.y() - a.y())) return QRect();
    if (!clipToView(a, b, s.width)) return QRect();
    const int width = penWidth(s.width);
    QPen pen(colorFromBgr(s.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (style_.smooth) {
        p.setPen(pen);
        p.drawLine(a, b);
        return segmentArea(a, b, width);
    }
    const QPoint p1 = snap(a), p2 = snap(b);
    if (p1 == p2) return dot(p, a, s.color, s.width);
    p.setPen(pen);
    p.drawLine(p1, p2);
    return segmentArea(p1, p2, width);
}

QRect PrimitivePainter::dot(QPainter& p, const QPointF& pixel, BgrColor color, int width) const {
    const double m = viewMargin(width);
    if (!(pixel.x() > -m && pixel.y() > -m && pixel.x() < pixels_.width() - 1 + m &&
          pixel.y() < pixels_.height() - 1 + m)) {
        return QRect();
    }
    const int w = penWidth(width);
    if (style_.smooth) {
        p.setPen(Qt::NoPen);
        p.setBrush(colorFromBgr(color));
        p.drawEllipse(pixel, w / 2.0, w / 2.0);
        p.setBrush(Qt::NoBrush);
        return QRect(snap(pixel) - QPoint(w, w), snap(pixel) + QPoint(w, w));
    }
    const QPoint centre = snap(pixel);
    if (w <= 2) {
        // Small dots are squares: the pixel itself, or the 2x2 block it anchors.
        p.fillRect(QRect(centre.x() - (w - 1), centre.y() - (w - 1), w, w), colorFromBgr(color));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(colorFromBgr(color));
        p.drawEllipse(QPointF(centre), w / 2.0, w / 2.0);
        p.setBrush(Qt::NoBrush);
    }
    return QRect(centre - QPoint(w, w), centre + QPoint(w, w));
}

QRect PrimitivePainter::circle(QPainter& p, const Primitive& c) const {
    const double radius = c.x2;
    if (radius <= 0) return QRect();
    const QPointF centre = toPixel_.map(QPointF(c.x1, c.y1));
    const double rx = radius * std::fabs(toPixel_.m11());
    const double ry = radius * std::fabs(toPixel_.m22());
    // Measured in radii along each axis, the outline is the unit circle about the origin and
    // the view a rectangle: the outline misses the view when the view lies wholly inside it or
    // wholly beyond it.
    const double m = viewMargin(c.width);
    const double x0 = (-m - centre.x()) / rx, x1 = (pixels_.width() - 1 + m - centre.x()) / rx;
    const double y0 = (-m - centre.y()) / ry, y1 = (pixels_.height() - 1 + m - centre.y()) / ry;
    const double nearest = std::hypot(std::max({x0, 0.0, -x1}), std::max({y0, 0.0, -y1}));
    const double farthest =
        std::hypot(std::max(std::fabs(x0), std::fabs(x1)), std::max(std::fabs(y0), std::fabs(y1)));
    if (1 < nearest || 1 > farthest) return QRect();

    const int width = penWidth(c.width);
    if (std::max(rx, ry) > kLargestPaintedRadius) {
        hugeEllipse(p, centre, rx, ry, c.color, c.width);
        return QRect(QPoint(0, 0), pixels_);
    }
    p.setPen(QPen(colorFromBgr(c.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (style_.smooth) {
        p.drawEllipse(centre, rx, ry);
        const QPoint reach(static_cast<int>(rx) + width + 1, static_cast<int>(ry) + width + 1);
        return QRect(snap(centre) - reach, snap(centre) + reach);
    }
    const QPoint middle = snap(centre);
    const int rxp = snap(rx);
    const int ryp = snap(ry);
    if (rxp == 0 && ryp == 0) {
        p.drawPoint(middle);
    } else {
        p.drawEllipse(middle, rxp, ryp);
    }
    const QPoint reach(rxp + width, ryp + width);
    return QRect(middle - reach, middle + reach);
}

void PrimitivePainter::hugeEllipse(QPainter& p, const QPointF& c, double rx, double ry,
                                   BgrColor color, int width) const {
    // The centre lies far outside the view, which therefore subtends less than half a turn:
    // sample only the arc between the directions to the view's corners, measured in radii.
    const double w = pixels_.width(), h = pixels_.height();
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
    p.setPen(
        QPen(colorFromBgr(color), penWidth(width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPointF previous;
    for (int s = 0; s <= kHugeCircleSegments; ++s) {
        const double a = base + lo + (hi - lo) * s / kHugeCircleSegments;
        const QPointF point(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
        if (s > 0) {
            QPointF from = previous, to = point;
            if (clipToView(from, to, width)) {
                if (style_.smooth)
                    p.drawLine(from, to);
                else
                    p.drawLine(snap(from), snap(to));
            }
        }
        previous = point;
    }
}

QRect PrimitivePainter::text(QPainter& p, const Primitive& t) const {
    const QFontMetrics metrics(font_);
    const QStringList lines = t.text.split(QLatin1Char('\n'));
    const QPointF start = toPixel_.map(QPointF(t.x1, t.y1));
    // Text runs right and down from its corner: far above or left of the view nothing of it
    // can show, and the painter is spared coordinates it cannot handle.
    const double m = viewMargin(1);
    const double limit = 1e6;
    if (!(start.x() < pixels_.width() + m && start.y() < pixels_.height() + m &&
          start.x() > -limit && start.y() > -limit)) {
        return QRect();
    }
    const QPointF corner = style_.smooth ? start : QPointF(snap(start));
    int width = 0;
    for (const QString& l : lines) width = std::max(width, metrics.horizontalAdvance(l));
    p.setPen(colorFromBgr(t.color));
    double baseline = corner.y() + metrics.ascent();
    for (const QString& l : lines) {
        p.drawText(QPointF(corner.x(), baseline), l);
        baseline += metrics.lineSpacing();
    }
    return QRect(corner.toPoint(),
                 QSize(width + 2, static_cast<int>(lines.size()) * metrics.lineSpacing() + 2));
}

bool PrimitivePainter::clipToView(QPointF& a, QPointF& b, int width) const {
    // Clipped in double precision against the view grown by the pen's reach, so that only
    // short, finite segments ever reach the painter. Each cut point is interpolated from the
    // other end of the segment, which keeps cuts exact when one end lies in the view however
    // far away the other is.
    const double m = viewMargin(width);
    const double xmin = -m, ymin = -m;
    const double xmax = pixels_.width() - 1 + m, ymax = pixels_.height() - 1 + m;
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

}  // namespace zeto
