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
class SettingsWindow;

// The hand tools of the coordinate window: the strip over the top-left corner of the
// surface (export `Command1`, text tool `Optext`, line tool `Opline`), the pointer read-out
// `location` under it, and the line tool's rubber band `Linexp` on the surface. Everything
// the tools draw goes into the surface's picture like any graph; the strip and the rubber
// band never do.
class PlaneTools : public QObject {
    Q_OBJECT
  public:
    // The strip is built on `window`, above its surface.
    PlaneTools(PlaneHost& host, CoordinateWindow& window, const SettingsWindow& settings);

    // Mouse handlers: button 1 left, 2 right; the pointer in plane units.
    void Picture1_MouseDown(int Button, double x, double Y);
    void Picture1_MouseMove(int Button, double x, double Y);
    void Optext_Click();
    void Opline_Click();
    void Command1_Click();

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
    const SettingsWindow& settings_;
    QToolButton* Command1_ = nullptr;
    QToolButton* Optext_ = nullptr;
    QToolButton* Opline_ = nullptr;
    QLabel* location_ = nullptr;
    LineShape* Linexp_ = nullptr;
    // The rubber band's ends in plane units: the first point it holds, and the pointer.
    QPointF bandFrom_;
    QPointF bandTo_;
    std::int16_t stage_ = 0;
};

}  // namespace zeto
