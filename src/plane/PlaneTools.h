#pragma once

#include <QObject>
#include <QPointF>

#include <cstdint>

class QLabel;
class QToolButton;

namespace zeto {

class CoordinateWindow;
class DrawingSurface;
class LineShape;
class PlaneHost;

// The hand tools of the coordinate window: the strip over the top-left corner of the
// surface (export `Command1`, text tool `Optext`, line tool `Opline`), the pointer read-out
// `location` under it, and the line tool's rubber band `Linexp` on the surface. Everything
// the tools draw goes into the surface's picture like any graph; the strip and the rubber
// band never do.
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

    // 0 waiting for the line's first point, 1 first point placed.
    std::int16_t lineStage() const { return stage_; }

  private:
    void buildStrip();
    QToolButton* addToolButton(const char* name, const QString& tip, const char* icon, int left,
                               int top);
    void selectTool(QToolButton* chosen, QToolButton* other);
    void deselect(QToolButton* tool);
    void placeRubberBand();

    PlaneHost& host_;
    CoordinateWindow& window_;
    DrawingSurface& surface_;
    QToolButton* exportButton_ = nullptr;
    QToolButton* textTool_ = nullptr;
    QToolButton* lineTool_ = nullptr;
    QToolButton* panelButton_ = nullptr;
    QLabel* readout_ = nullptr;
    LineShape* rubberBand_ = nullptr;
    // The rubber band's ends in plane units: the first point it holds, and the pointer.
    QPointF bandFrom_;
    QPointF bandTo_;
    std::int16_t stage_ = 0;
};

}  // namespace zeto
