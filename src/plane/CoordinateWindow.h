#pragma once

#include "plane/PlaneWindow.h"
#include "plane/core/PlotCanvas.h"

namespace zeto {

class DrawingSurface;
class SettingsWindow;

// The coordinate window "ZETO-坐标": one drawing surface `Picture1` addressed in plane
// coordinates, and the procedures every plotting routine draws with.
class CoordinateWindow : public PlaneWindow, public PlotCanvas {
    Q_OBJECT
  public:
    // Runs the window's load steps (centring, surface set-up, first XY) without showing it.
    // The plane is drawn from the settings window's settings.
    CoordinateWindow(PlaneHost& host, const SettingsWindow& settings, QWidget* parent = nullptr);

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
    void resizePlane(QSize twips);

    // PlotCanvas
    void segment(double x1, double y1, double x2, double y2, BgrColor color) override;
    void dot(double x, double y, BgrColor color) override;
    void label(double x, double y, const QString& text, BgrColor color) override;
    void circle(double cx, double cy, double r, BgrColor color) override;
    void setPenWidth(int pixels) override;

    // Designed client area at start, in twips.
    static constexpr int kClientWidthTwips = 8790;
    static constexpr int kClientHeightTwips = 8505;

  private:
    void fitSurface(int widthPixels, int heightPixels);

    const SettingsWindow& settings_;
    DrawingSurface* surface_;
};

}  // namespace zeto
