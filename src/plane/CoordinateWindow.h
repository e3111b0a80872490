#pragma once

#include "platform/ColorSwatch.h"

#include "plane/PlaneWindow.h"

#include <QWidget>

namespace zeto {

class DrawingSurface;
class Shell;

// The coordinate window "ZETO-坐标": one drawing surface `Picture1` addressed in plane
// coordinates, and the procedures every plotting routine draws with.
class CoordinateWindow : public PlaneWindow {
    Q_OBJECT
  public:
    // Runs the window's load steps (centring, surface set-up, first XY) without showing it.
    // The settings window must exist already: the plane is drawn from its settings.
    explicit CoordinateWindow(Shell& shell, QWidget* parent = nullptr);

    DrawingSurface& surface();

    // Clears the surface and redraws grid, axes, ticks and labels from the plane settings.
    void XY();
    // Coordinates beyond single precision raise VbError(Overflow); nothing is drawn then.
    void DrawDot(double Px, double Py, BgrColor color);
    // `color` is the decimal text of the colour value, read by its leading number; a value
    // outside the 32-bit integer range raises VbError(Overflow), and only the colour bits
    // (the low 24) are used.
    void PrintWord(double x, double Y, const QString& Word, const QString& color);

    // Sets the client area (the surface fills it exactly) and redraws the plane.
    void resizePlane(int widthTwips, int heightTwips);

    // Designed client area at start, in twips.
    static constexpr int kClientWidthTwips = 8790;
    static constexpr int kClientHeightTwips = 8505;

  protected:
  private:
    void fitSurface(int widthPixels, int heightPixels);

    DrawingSurface* surface_;
};

}  // namespace zeto
