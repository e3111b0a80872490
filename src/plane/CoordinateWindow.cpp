#include "plane/CoordinateWindow.h"

#include "plane/PlaneTools.h"
#include "platform/DrawingSurface.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/NumberText.h"

#include <cmath>

namespace zeto {

namespace {

constexpr BgrColor kBlack = 0x000000;

// The surface keeps its pieces in `target` for as long as this lives.
class SinkScope {
  public:
    SinkScope(DrawingSurface& surface, std::vector<Primitive>* target)
        : surface_(surface), previous_(surface.sink()) {
        surface_.setSink(target);
    }
    ~SinkScope() { surface_.setSink(previous_); }
    SinkScope(const SinkScope&) = delete;
    SinkScope& operator=(const SinkScope&) = delete;

  private:
    DrawingSurface& surface_;
    std::vector<Primitive>* previous_;
};

}  // namespace

// Draws on the window for one plot, keeping each piece under the plot's entry. An entry that a
// clear swept away while the plot ran comes back with the pieces drawn after it.
class CoordinateWindow::Recording : public PlotRecording {
  public:
    Recording(CoordinateWindow& window, const PlotDescription& description)
        : window_(window), description_(description), id_(window.record_.addPlot(description)) {
        emit window_.recordChanged();
    }
    ~Recording() override {
        if (PlaneRecord::Entry* entry = window_.record_.find(id_)) entry->plot = description_;
        emit window_.recordChanged();
    }

    PlotDescription& description() override { return description_; }
    void dropIfEmpty() override {
        const PlaneRecord::Entry* entry = window_.record_.find(id_);
        if (entry && entry->pieces.empty()) window_.record_.remove(id_);
    }

    void segment(double x1, double y1, double x2, double y2, BgrColor color) override {
        draw([&](DrawingSurface& s) { s.line(x1, y1, x2, y2, color); });
    }
    void dot(double x, double y, BgrColor color) override {
        draw([&](DrawingSurface& s) { s.pset(x, y, color); });
    }
    void label(double x, double y, const QString& text, BgrColor color) override {
        draw([&](DrawingSurface&) { window_.printText(x, y, text, color); });
    }
    void circle(double cx, double cy, double r, BgrColor color) override {
        draw([&](DrawingSurface& s) { s.circle(cx, cy, r, color); });
    }
    void setPenWidth(int pixels) override { window_.surface_->setDrawWidth(pixels); }

  private:
    template <typename Draw>
    void draw(Draw&& operation) {
        if (!window_.record_.find(id_)) id_ = window_.record_.addPlot(description_);
        window_.drawInto(id_, [&] { operation(*window_.surface_); });
    }

    CoordinateWindow& window_;
    PlotDescription description_;
    PlaneRecord::Id id_;
};

CoordinateWindow::CoordinateWindow(PlaneHost& host, PlaneSettingsModel& settings, QWidget* parent)
    : PlaneWindow(host, parent), settings_(settings), surface_(new DrawingSurface(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ZETO-坐标"));
    surface_->setObjectName(QStringLiteral("Picture1"));

    // Load steps.
    const QSize client = settings_.value().planeTwips;
    fitSurface(twipsToPixels(client.width()), twipsToPixels(client.height()));
    centreOnScreen(this);
    surface_->setBackColor(settings_.value().backgroundColor);
    surface_->setDrawWidth(settings_.value().penWidth);
    surface_->setSmooth(settings_.value().antialiased);
    drawAxes();
    connect(surface_, &DrawingSurface::resolutionChanged, this,
            &CoordinateWindow::repaintFromRecord);

    tools_ = new PlaneTools(host, *this);
    connect(&settings_, &PlaneSettingsModel::changed, this, &CoordinateWindow::settingsChanged);
}

CoordinateWindow::~CoordinateWindow() = default;

DrawingSurface& CoordinateWindow::surface() {
    return *surface_;
}

void CoordinateWindow::settingsChanged(const PlaneSettings& previous,
                                       PlaneSettingsModel::Effect effect) {
    const PlaneSettings& now = settings_.value();
    if (now.penWidth != previous.penWidth) surface_->setDrawWidth(now.penWidth);
    if (now.backgroundColor != previous.backgroundColor)
        surface_->setBackColor(now.backgroundColor);
    switch (effect) {
        case PlaneSettingsModel::Effect::None:
            break;
        case PlaneSettingsModel::Effect::Redraw:
            drawAxes();
            break;
        case PlaneSettingsModel::Effect::Resize:
            resizePlane(now.planeTwips);
            break;
        case PlaneSettingsModel::Effect::Repaint:
            surface_->setSmooth(now.antialiased);
            repaintFromRecord();
            break;
    }
}

void CoordinateWindow::fitSurface(int widthPixels, int heightPixels) {
    // The window is only resized through the size options, never by its frame: the plane
    // is drawn for one surface size and is not redrawn on a drag.
    setFixedSize(widthPixels, heightPixels);
    surface_->setGeometry(0, 0, widthPixels, heightPixels);
    surface_->fitImageToWidget();
}

void CoordinateWindow::resizePlane(QSize twips) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    fitSurface(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    drawAxes();
}

void CoordinateWindow::drawAxes() {
    const PlaneSettings& settings = settings_.value();
    const int L = settings.axisLength;
    DrawingSurface& p = *surface_;

    record_.clear();
    axes_.clear();
    const SinkScope keep(p, &axes_);
    p.setDrawWidth(1);
    p.clear();
    p.setScale(-L, L, L, -L);

    if (settings.gridShown) {
        const BgrColor grid = settings.gridColor;
        for (int k = -L; k <= L; ++k) {
            if (k == 0) continue;
            p.line(-L, k, L, k, grid);
            p.line(k, -L, k, L, grid);
        }
    }

    const BgrColor axis = settings.axisColor;
    p.line(-L, 0, L, 0, axis);
    p.lineTo(L - 0.5, 0.5, axis);
    p.line(L, 0, L - 0.5, -0.5, axis);
    p.setForeColor(kBlack);
    p.print(QStringLiteral("X"));
    p.line(0, -L, 0, L, axis);
    p.lineTo(0.5, L - 0.5, axis);
    p.line(0, L, -0.5, L - 0.5, axis);
    p.print(QStringLiteral("Y"));

    // The ticks use the drawing colour, which the first label turns into the axis colour.
    const bool labels = settings.labelsShown;
    const double tick = std::fabs(L / 40.0);
    const double yLabelX = -std::fabs(L / 10.0);
    for (int j = 1 - L; j <= L - 1; ++j) {
        p.line(j, 0, j, tick);
        if (labels) printText(j - 0.45, -0.2, numberText(j), axis);
        p.line(0, j, -tick, j);
        if (labels && j != 0) printText(yLabelX, j + 0.2, numberText(j), axis);
    }

    p.setDrawWidth(settings.penWidth == 2 ? 2 : 1);
    emit recordChanged();
}

void CoordinateWindow::drawDot(double x, double y, BgrColor color) {
    surface_->pset(x, y, color);
}

void CoordinateWindow::printText(double x, double y, const QString& text, BgrColor color) {
    surface_->setCurrentPoint(x, y);
    surface_->setForeColor(color);
    surface_->print(text);
}

std::unique_ptr<PlotRecording> CoordinateWindow::beginPlot(const PlotDescription& description) {
    return std::make_unique<Recording>(*this, description);
}

template <typename Draw>
void CoordinateWindow::drawInto(PlaneRecord::Id id, Draw&& draw) {
    pending_.clear();
    {
        const SinkScope keep(*surface_, &pending_);
        draw();
    }
    PlaneRecord::Entry* entry = record_.find(id);
    if (!entry || pending_.empty()) return;
    entry->pieces.insert(entry->pieces.end(), pending_.begin(), pending_.end());
    emit piecesAdded();
}

void CoordinateWindow::markDot(double x, double y, BgrColor color) {
    drawInto(record_.addMark(), [&] { drawDot(x, y, color); });
    emit recordChanged();
}

void CoordinateWindow::markText(double x, double y, const QString& text, BgrColor color) {
    drawInto(record_.addMark(), [&] { printText(x, y, text, color); });
    emit recordChanged();
}

void CoordinateWindow::markLine(double x1, double y1, double x2, double y2) {
    drawInto(record_.addMark(), [&] { surface_->line(x1, y1, x2, y2); });
    emit recordChanged();
}

std::vector<Primitive> CoordinateWindow::overlay() const {
    return {};
}

PlanePicture CoordinateWindow::picture() const {
    PlanePicture picture;
    picture.settings = settings_.value();
    picture.font = surface_->font();
    picture.screenPixels = surface_->size();
    picture.screenTransform = surface_->toPixelTransform();
    picture.screenAxes = axes_;
    for (const std::vector<Primitive>* layer : record_.visibleLayers())
        picture.pieces.insert(picture.pieces.end(), layer->begin(), layer->end());
    const std::vector<Primitive> over = overlay();
    picture.pieces.insert(picture.pieces.end(), over.begin(), over.end());
    return picture;
}

void CoordinateWindow::repaintFromRecord() {
    std::vector<const std::vector<Primitive>*> layers = record_.visibleLayers();
    layers.insert(layers.begin(), &axes_);
    surface_->repaint(layers);
}

}  // namespace zeto
