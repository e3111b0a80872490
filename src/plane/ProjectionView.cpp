#include "plane/ProjectionView.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlanePicture.h"
#include "plane/PlaneRenderer.h"
#include "platform/ColorSwatch.h"
#include "platform/DrawingSurface.h"
#include "platform/MouseButtons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zeto {

namespace {

// Room left round the plane, as a share of the screen's shorter side: the arrowheads and the
// lines along the plane's edges stay whole.
constexpr double kMarginShare = 0.02;

}  // namespace

ProjectionView::ProjectionView(CoordinateWindow& window)
    : QWidget(&window, Qt::Window), window_(window), frameTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("projection"));
    setWindowTitle(window.windowTitle());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    frameTimer_->setSingleShot(true);
    connect(frameTimer_, &QTimer::timeout, this, [this] {
        bringUpToDate();
        update();
    });
    connect(&window_, &CoordinateWindow::recordChanged, this, [this] { schedule(true); });
    connect(&window_, &CoordinateWindow::piecesAdded, this, [this] { schedule(false); });
    connect(&window_, &CoordinateWindow::pictureChanged, this, [this] { schedule(true); });
}

ProjectionView::~ProjectionView() = default;

QPointF ProjectionView::toPixel(double x, double y) const {
    return toPixel_.map(QPointF(x, y));
}

QPointF ProjectionView::toPlane(const QPointF& pixel) const {
    return toPixel_.inverted().map(pixel);
}

const QImage& ProjectionView::picture() {
    bringUpToDate();
    return image_;
}

void ProjectionView::schedule(bool whole) {
    stale_ = stale_ || whole;
    if (!isVisible() || frameTimer_->isActive()) return;
    const double rate = screen() ? screen()->refreshRate() : 60;
    frameTimer_->start(static_cast<int>(std::ceil(1000 / std::max(rate, 1.0))));
}

void ProjectionView::bringUpToDate() {
    frameTimer_->stop();
    const double ratio = devicePixelRatioF();
    const QSize device(static_cast<int>(std::ceil(width() * ratio)),
                       static_cast<int>(std::ceil(height() * ratio)));
    if (image_.size() != device || ratio_ != ratio) {
        image_ = QImage(device, QImage::Format_RGB32);
        ratio_ = ratio;
        stale_ = true;
    }
    if (stale_ || !paintGrowth()) paintWhole();
}

void ProjectionView::paintWhole() {
    const PlaneSettings& settings = window_.settings();
    const QSize device = image_.size();
    const double margin = kMarginShare * std::min(device.width(), device.height());
    frame_ =
        PlaneFrame::fitted(QRectF(QPointF(0, 0), QSizeF(device)), settings.axisLength, margin,
                           device, PlanePicture::meanUnit(window_.surface().toPixelTransform()));
    toPixel_ = frame_.toTarget * QTransform::fromScale(1 / ratio_, 1 / ratio_);

    QPainter p(&image_);
    p.fillRect(image_.rect(), colorFromBgr(settings.backgroundColor));
    PlaneRenderer(settings, window_.surface().font())
        .paint(p, frame_, window_.record().visibleLayers());
    painted_.clear();
    for (const PlaneRecord::Entry& entry : window_.record().entries())
        if (entry.visible) painted_.emplace_back(entry.id, entry.pieces.size());
    stale_ = false;
}

bool ProjectionView::paintGrowth() {
    // The entries painted must still be there, in the same order, none of them shorter.
    std::vector<const PlaneRecord::Entry*> visible;
    for (const PlaneRecord::Entry& entry : window_.record().entries())
        if (entry.visible) visible.push_back(&entry);
    if (visible.size() < painted_.size()) return false;
    for (std::size_t k = 0; k < painted_.size(); ++k)
        if (visible[k]->id != painted_[k].first || visible[k]->pieces.size() < painted_[k].second)
            return false;

    const PlaneRenderer renderer(window_.settings(), window_.surface().font());
    const PrimitivePainter painter = renderer.painterFor(frame_);
    QPainter p(&image_);
    renderer.clip(p, frame_);
    painter.prepare(p);
    painted_.resize(visible.size());
    for (std::size_t k = 0; k < visible.size(); ++k) {
        const std::size_t from = painted_[k].first == visible[k]->id ? painted_[k].second : 0;
        painter.paintAll(p, visible[k]->pieces, from);
        painted_[k] = {visible[k]->id, visible[k]->pieces.size()};
    }
    return true;
}

void ProjectionView::paintEvent(QPaintEvent*) {
    if (image_.isNull()) bringUpToDate();
    QPainter p(this);
    p.drawImage(QRectF(0, 0, image_.width() / ratio_, image_.height() / ratio_), image_);
    const std::vector<Primitive> over = window_.overlay();
    if (over.empty()) return;
    // What the window shows over the record is painted over the picture, never into it.
    p.scale(1 / ratio_, 1 / ratio_);
    const PlaneRenderer renderer(window_.settings(), window_.surface().font());
    renderer.clip(p, frame_);
    const PrimitivePainter painter = renderer.painterFor(frame_);
    painter.prepare(p);
    painter.paintAll(p, over);
}

void ProjectionView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stale_ = true;
    if (isVisible()) bringUpToDate();
}

void ProjectionView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    stale_ = true;
    bringUpToDate();
}

void ProjectionView::mousePressEvent(QMouseEvent* event) {
    const QPointF plane = toPlane(event->position());
    emit mousePressed(mouseButtonCode(event->button()), plane.x(), plane.y());
}

void ProjectionView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF plane = toPlane(event->position());
    emit mouseMoved(mouseButtonCode(event->buttons()), plane.x(), plane.y());
}

}  // namespace zeto
