#include "plane/CoordinateWindow.h"

#include "plane/GraphPanel.h"
#include "plane/PlaneTools.h"
#include "plane/SliderBox.h"
#include "plane/core/RecordedGraph.h"
#include "platform/DrawingSurface.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

#include <QHideEvent>

#include <cmath>

namespace zeto {

namespace {

constexpr BgrColor kBlack = 0x000000;
// Width of the panel of graphs beside the plane.
constexpr int kPanelPixels = 300;
// How near, in pixels, the pointer must come to a graph to trace it, or to a mark to read it.
constexpr double kReach = 6;
// Marked points are filled circles this wide; the traced point a smaller one.
constexpr int kMarkWidth = 7;
constexpr int kTraceWidth = 5;

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

// Draws onto the surface, which keeps the pieces wherever the caller asked: a plot drawn again,
// and under a recording every plot.
class CoordinateWindow::Redrawing : public PlotCanvas {
  public:
    explicit Redrawing(CoordinateWindow& window) : window_(window) {}

    void segment(double x1, double y1, double x2, double y2, BgrColor color) override {
        window_.surface_->line(x1, y1, x2, y2, color);
    }
    void dot(double x, double y, BgrColor color) override { window_.surface_->pset(x, y, color); }
    void label(double x, double y, const QString& text, BgrColor color) override {
        window_.printText(x, y, text, color);
    }
    void circle(double cx, double cy, double r, BgrColor color) override {
        window_.surface_->circle(cx, cy, r, color);
    }
    void setPenWidth(int pixels) override { window_.surface_->setDrawWidth(pixels); }

  private:
    CoordinateWindow& window_;
};

// Draws on the window for one plot, keeping each piece under the plot's entry. An entry that a
// clear swept away while the plot ran comes back with the pieces drawn after it.
class CoordinateWindow::Recording : public PlotRecording {
  public:
    Recording(CoordinateWindow& window, const PlotDescription& description)
        : window_(window), description_(description), id_(openEntry()) {
        emit window_.recordChanged();
    }
    ~Recording() override {
        if (PlaneRecord::Entry* entry = window_.record_.find(id_)) {
            entry->plot = description_;
            entry->drawing = false;
        }
        emit window_.recordChanged();
    }

    PlotDescription& description() override { return description_; }
    void dropIfEmpty() override {
        const PlaneRecord::Entry* entry = window_.record_.find(id_);
        if (entry && entry->pieces.empty()) window_.record_.remove(id_);
    }

    void segment(double x1, double y1, double x2, double y2, BgrColor color) override {
        draw([&] { surface_.segment(x1, y1, x2, y2, color); });
    }
    void dot(double x, double y, BgrColor color) override {
        draw([&] { surface_.dot(x, y, color); });
    }
    void label(double x, double y, const QString& text, BgrColor color) override {
        draw([&] { surface_.label(x, y, text, color); });
    }
    void circle(double cx, double cy, double r, BgrColor color) override {
        draw([&] { surface_.circle(cx, cy, r, color); });
    }
    void setPenWidth(int pixels) override { surface_.setPenWidth(pixels); }

  private:
    template <typename Draw>
    void draw(Draw&& operation) {
        if (!window_.record_.find(id_)) id_ = openEntry();
        window_.drawInto(id_, operation);
    }
    PlaneRecord::Id openEntry() {
        const PlaneRecord::Id id = window_.record_.addPlot(description_);
        window_.record_.find(id)->drawing = true;
        return id;
    }

    CoordinateWindow& window_;
    Redrawing surface_{window_};
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
    panel_ = new GraphPanel(*this, this);
    panel_->hide();
    connect(&settings_, &PlaneSettingsModel::changed, this, &CoordinateWindow::settingsChanged);
    connect(this, &CoordinateWindow::recordChanged, this, [this] {
        traceGraphsStale_ = true;
        panel_->recordChanged();
    });
    connect(panel_, &GraphPanel::marksChanged, this, &CoordinateWindow::updateOverlay);
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
    surface_->setGeometry(0, 0, widthPixels, heightPixels);
    surface_->fitImageToWidget();
    fitWindow();
}

void CoordinateWindow::fitWindow() {
    // The window is only resized through the size options and the panel, never by its frame:
    // the plane is drawn for one surface size and is not redrawn on a drag.
    const QRect plane = surface_->geometry();
    const bool panel = panel_ && !panel_->isHidden();
    if (panel) panel_->setGeometry(plane.right() + 1, 0, kPanelPixels, plane.height());
    setFixedSize(plane.width() + (panel ? kPanelPixels : 0), plane.height());
}

void CoordinateWindow::togglePanel() {
    panel_->setVisible(panel_->isHidden());
    if (panel_->isHidden()) panel_->sliders().stop();
    fitWindow();
    updateOverlay();
}

bool CoordinateWindow::panelShown() const {
    return !panel_->isHidden();
}

void CoordinateWindow::hideEvent(QHideEvent* event) {
    // A sweep of a slider ends with the window it moves a graph on.
    panel_->sliders().stop();
    PlaneWindow::hideEvent(event);
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
    return marks_;
}

void CoordinateWindow::updateOverlay() {
    std::vector<Primitive>& pieces = marks_;
    pieces.clear();
    if (panelShown()) {
        const std::optional<PlaneRecord::Id> id = panel_->selected();
        const PlaneRecord::Entry* plot = id ? record_.find(*id) : nullptr;
        const BgrColor colour = plot && plot->plot ? plot->plot->color : kBlack;
        // A label stands just right of and above its point, a few pixels off.
        const double unit = 1 / std::fabs(surface_->toPixelTransform().m11());
        for (const MarkedPoint& mark : panel_->shownMarks()) {
            pieces.push_back(Primitive::dot(mark.at.x(), mark.at.y(), colour, kMarkWidth));
            if (!mark.label.isEmpty())
                pieces.push_back(Primitive::label(mark.at.x() + 5 * unit, mark.at.y() + 18 * unit,
                                                  mark.label, colour));
        }
    }
    showOverlay();
    emit pictureChanged();
}

void CoordinateWindow::showOverlay() {
    std::vector<Primitive> shown = marks_;
    if (traced_) shown.push_back(Primitive::dot(traced_->x(), traced_->y(), kBlack, kTraceWidth));
    surface_->setOverlay(std::move(shown));
}

void CoordinateWindow::setPlotVisible(PlaneRecord::Id id, bool visible) {
    PlaneRecord::Entry* entry = record_.find(id);
    if (!entry || entry->visible == visible) return;
    entry->visible = visible;
    repaintFromRecord();
    traceGraphsStale_ = true;
    panel_->graphsChanged();
}

void CoordinateWindow::removePlot(PlaneRecord::Id id) {
    if (!record_.find(id)) return;
    record_.remove(id);
    repaintFromRecord();
    emit recordChanged();
}

bool CoordinateWindow::hasNoGraph(PlaneRecord::Id id) const {
    const PlaneRecord::Entry* entry = record_.find(id);
    return entry && entry->graphless;
}

void CoordinateWindow::redrawPlot(PlaneRecord::Id id, const std::array<double, 3>& values) {
    PlaneRecord::Entry* entry = record_.find(id);
    if (!entry || !entry->plot || !entry->plot->redraw || entry->drawing) return;
    PlotDescription& d = *entry->plot;
    for (std::size_t k = 0; k < d.coefficientNames.size() && k < values.size(); ++k) {
        d.coefficients[k] = values[k];
        d.coefficientTexts[k] = numberText(values[k]);
    }
    // Drawn again into a picture of its own, then the plane painted again from the record: the
    // surface's state is left as the other drawings left it.
    DrawingSurface& surface = *surface_;
    const int width = surface.drawWidth();
    const BgrColor drawing = surface.foreColor();
    const double x = surface.currentX(), y = surface.currentY();
    std::vector<Primitive> pieces;
    {
        const SinkScope keep(surface, &pieces);
        surface.setPaintingImage(false);
        surface.setDrawWidth(d.penWidth);
        Redrawing canvas(*this);
        try {
            d.redraw(d, canvas);
            entry->graphless = false;
        } catch (const VbError&) {
            pieces.clear();
            entry->graphless = true;
        }
        surface.setPaintingImage(true);
    }
    surface.setDrawWidth(width);
    surface.setForeColor(drawing);
    surface.setCurrentPoint(x, y);
    entry->pieces = std::move(pieces);
    traceGraphsStale_ = true;
    repaintFromRecord();
}

std::optional<QPointF> CoordinateWindow::traceAt(double x, double y) {
    if (traceGraphsStale_) {
        traceGraphs_.clear();
        for (const PlaneRecord::Entry& entry : record_.entries()) {
            if (!entry.plot || !entry.visible || entry.graphless) continue;
            if (!isFunctionGraph(entry.plot->kind)) continue;
            GraphSpec graph = recordedGraph(entry);
            if (graph.f) traceGraphs_.push_back({graph.from, graph.to, std::move(graph.f)});
        }
        traceGraphsStale_ = false;
    }
    const QTransform& toPixel = surface_->toPixelTransform();
    const double pointerRow = toPixel.map(QPointF(x, y)).y();
    std::optional<QPointF> nearest;
    double distance = kReach;
    for (const TraceGraph& graph : traceGraphs_) {
        if (x < graph.from || x > graph.to) continue;
        double value = 0;
        try {
            value = graph.f(x);
        } catch (const VbError&) {
            continue;
        }
        const double d = std::fabs(toPixel.map(QPointF(x, value)).y() - pointerRow);
        if (d <= distance) {
            distance = d;
            nearest = QPointF(x, value);
        }
    }
    return nearest;
}

void CoordinateWindow::showTrace(const std::optional<QPointF>& at) {
    if (at == traced_) return;
    traced_ = at;
    // The traced point follows the pointer on this window only: nothing else is drawn again.
    showOverlay();
}

std::optional<QString> CoordinateWindow::markNear(double x, double y) const {
    if (!panelShown()) return std::nullopt;
    const QTransform& toPixel = surface_->toPixelTransform();
    const QPointF pointer = toPixel.map(QPointF(x, y));
    std::optional<QString> text;
    double distance = kReach;
    for (const MarkedPoint& mark : panel_->shownMarks()) {
        const QPointF at = toPixel.map(mark.at);
        const double d = std::hypot(at.x() - pointer.x(), at.y() - pointer.y());
        if (d <= distance) {
            distance = d;
            text = mark.text;
        }
    }
    return text;
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
    emit pictureChanged();
}

}  // namespace zeto
