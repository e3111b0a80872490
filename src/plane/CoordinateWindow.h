#pragma once

#include "plane/PlanePicture.h"
#include "plane/PlaneWindow.h"
#include "plane/core/PlaneRecord.h"
#include "plane/core/PlaneSettingsModel.h"
#include "plane/core/PlotCanvas.h"

#include <QPointF>

#include <functional>
#include <memory>
#include <optional>

namespace zeto {

class DrawingSurface;
class GraphPanel;
class PlaneTools;

// The coordinate window "ZETO-坐标": one drawing surface `Picture1` addressed in plane
// coordinates, the record of everything drawn on it since it was last cleared, and the
// procedures every plotting routine and tool draws with. The surface's image is a cache of
// the record: painting the record again gives the same pixels.
class CoordinateWindow : public PlaneWindow {
    Q_OBJECT
  public:
    // Runs the window's load steps (centring, surface set-up, the first plane) without
    // showing it.
    CoordinateWindow(PlaneHost& host, PlaneSettingsModel& settings, QWidget* parent = nullptr);
    ~CoordinateWindow() override;

    DrawingSurface& surface();
    const PlaneSettings& settings() const { return settings_.value(); }
    const PlaneRecord& record() const { return record_; }

    // Clears the surface and the record and draws grid, axes, ticks and labels afresh.
    void drawAxes();
    // One point as wide as the pen; coordinates beyond single precision raise
    // VbError(Overflow) and nothing is drawn.
    void drawDot(double x, double y, BgrColor color);
    // Text with its top-left corner at (x, y); `color` becomes the surface's drawing colour.
    void printText(double x, double y, const QString& text, BgrColor color);

    // A plot begins; it ends when the recording goes.
    std::unique_ptr<PlotRecording> beginPlot(const PlotDescription& description);

    // The hand tools' marks, each an entry of the record.
    void markDot(double x, double y, BgrColor color);
    void markText(double x, double y, const QString& text, BgrColor color);
    // A segment in the surface's drawing colour.
    void markLine(double x1, double y1, double x2, double y2);

    // Paints the plane again from the record, without erasing anything.
    void repaintFromRecord();
    // What the window shows over the record and never keeps in it (the marks of a graph's
    // special points), in plane units; a picture made of what the screen shows paints it last.
    // The marker of the traced point, which follows the pointer, is not part of it.
    std::vector<Primitive> overlay() const;
    // What the window shows now, kept apart from it: the exports, the clipboard and the
    // printer draw from it while plots draw on.
    PlanePicture picture() const;

    // Sets the client area (the surface fills it exactly) and draws the plane afresh.
    void resizePlane(QSize twips);

    // The panel of graphs beside the plane; the window grows by its width, the plane stays.
    GraphPanel& graphPanel() { return *panel_; }
    void togglePanel();
    bool panelShown() const;

    // A plot shown or hidden, or removed, and the plane painted again without it.
    void setPlotVisible(PlaneRecord::Id id, bool visible);
    void removePlot(PlaneRecord::Id id);
    // Draws a plot again with other values of its named coefficients, in place; where they
    // give no graph it draws nothing.
    void redrawPlot(PlaneRecord::Id id, const std::array<double, 3>& values);
    bool hasNoGraph(PlaneRecord::Id id) const;

    // The point of a visible function graph at the pointer's x, where the graph passes within
    // a few pixels of the pointer; the nearest one.
    std::optional<QPointF> traceAt(double x, double y);
    // Shows the small marker of the traced point, or none.
    void showTrace(const std::optional<QPointF>& at);
    // The text form of a marked special point within a few pixels of (x, y).
    std::optional<QString> markNear(double x, double y) const;

  signals:
    // A plot or a mark entered or left the record, or the record was emptied.
    void recordChanged();
    // A running plot or a mark added pieces to an entry of the record.
    void piecesAdded();
    // The plane was painted again from the record (a graph hidden, shown or drawn again), or
    // what is shown over it changed.
    void pictureChanged();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    class Recording;
    class Redrawing;
    struct TraceGraph {
        double from;
        double to;
        std::function<double(double)> f;
    };

    // The marks of the selected graph's special points, shown afresh over the plane.
    void updateOverlay();
    // Shows the marks and the traced point over the surface.
    void showOverlay();
    void fitWindow();
    void settingsChanged(const PlaneSettings& previous, PlaneSettingsModel::Effect effect);
    void fitSurface(int widthPixels, int heightPixels);
    // Runs `draw` with the surface's pieces going to the record's entry `id`.
    template <typename Draw>
    void drawInto(PlaneRecord::Id id, Draw&& draw);

    PlaneSettingsModel& settings_;
    DrawingSurface* surface_;
    PlaneRecord record_;
    // The pieces of grid, axes and labels.
    std::vector<Primitive> axes_;
    std::vector<Primitive> pending_;
    PlaneTools* tools_ = nullptr;
    GraphPanel* panel_ = nullptr;
    std::optional<QPointF> traced_;
    std::vector<Primitive> marks_;
    // The visible function graphs as the trace reads them; built again after a change.
    std::vector<TraceGraph> traceGraphs_;
    bool traceGraphsStale_ = true;
};

}  // namespace zeto
