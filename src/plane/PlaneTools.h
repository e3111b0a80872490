#pragma once

#include <QObject>
#include <QPointF>

#include <cstdint>
#include <vector>

class QAction;
class QLabel;
class QToolButton;
class QWidget;

namespace zeto {

class CoordinateWindow;
class DrawingSurface;
class LineShape;
class PlaneHost;
class ProjectionView;

// The hand tools of the coordinate window: the strip over the top-left corner of the
// surface (export `Command1`, text tool `Optext`, line tool `Opline`, projection `Cmdfull`,
// print `Cmdprint`), the pointer read-out `location` under it, and the line tool's rubber
// band `Linexp` on the surface. Everything the tools draw goes into the record like any
// graph; the strip and the rubber band never do. F11 switches projection mode, Esc leaves
// it, Ctrl+C copies the picture.
//
// In projection mode the strip, the read-out and the rubber band move onto the projection
// view, and the tools work there in plane units as on the surface.
class PlaneTools : public QObject {
    Q_OBJECT
  public:
    // The strip is built on `window`, above its surface.
    PlaneTools(PlaneHost& host, CoordinateWindow& window);

    // Mouse handlers: button 1 left, 2 right; the pointer in plane units.
    void pointerPressed(int button, double x, double y);
    void pointerMoved(int buttons, double x, double y);
    void chooseTextTool();
    void chooseLineTool();
    void exportPicture();
    void printPicture();
    // The picture onto the clipboard, as PNG at twice the plane's size and as SVG.
    void copyPicture();

    void toggleProjection();
    void leaveProjection();
    bool projecting() const;
    // The projection view, once projection mode was first entered.
    ProjectionView* projection() const { return projection_; }

    // A button at the end of the strip, with its tip and a picture of the program's data
    // folder.
    QToolButton* addStripButton(const char* name, const QString& tip, const char* icon);

    // 0 waiting for the line's first point, 1 first point placed.
    std::int16_t lineStage() const { return stage_; }

  private:
    void buildStrip();
    void buildShortcuts();
    QToolButton* addToolButton(const char* name, const QString& tip, const char* icon, int left,
                               int top);
    void selectTool(QToolButton* chosen, QToolButton* other);
    void deselect(QToolButton* tool);
    void placeRubberBand();
    void enterProjection();
    // Where the tools work now: the surface, or the projection view.
    QWidget* view() const;
    QPointF viewPixel(const QPointF& plane) const;
    // The strip, the read-out and the rubber band move onto `host`.
    void moveTo(QWidget* host);

    PlaneHost& host_;
    CoordinateWindow& window_;
    DrawingSurface& surface_;
    QToolButton* exportButton_ = nullptr;
    QToolButton* textTool_ = nullptr;
    QToolButton* lineTool_ = nullptr;
    QToolButton* panelButton_ = nullptr;
    QLabel* readout_ = nullptr;
    LineShape* rubberBand_ = nullptr;
    // The buttons in order, then the read-out.
    std::vector<QWidget*> strip_;
    std::vector<QAction*> shortcuts_;
    ProjectionView* projection_ = nullptr;
    // The rubber band's ends in plane units: the first point it holds, and the pointer.
    QPointF bandFrom_;
    QPointF bandTo_;
    std::int16_t stage_ = 0;
};

}  // namespace zeto
