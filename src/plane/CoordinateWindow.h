#pragma once

#include "plane/PlanePicture.h"
#include "plane/PlaneWindow.h"
#include "plane/core/PlaneRecord.h"
#include "plane/core/PlaneSettingsModel.h"
#include "plane/core/PlotCanvas.h"

#include <memory>

namespace zeto {

class DrawingSurface;
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
    std::vector<Primitive> overlay() const;
    // What the window shows now, kept apart from it: the exports, the clipboard and the
    // printer draw from it while plots draw on.
    PlanePicture picture() const;

    // Sets the client area (the surface fills it exactly) and draws the plane afresh.
    void resizePlane(QSize twips);

  signals:
    // A plot or a mark entered or left the record, or the record was emptied.
    void recordChanged();
    // A running plot or a mark added pieces to an entry of the record.
    void piecesAdded();

  private:
    class Recording;

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
};

}  // namespace zeto
