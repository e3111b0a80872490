#pragma once

#include "platform/ColorSwatch.h"

#include <QWidget>

namespace zeto {

class DrawingSurface;
class Shell;

// The coordinate window "ZETO-坐标": one drawing surface `Picture1` addressed in plane
// coordinates, and the procedures every plotting routine draws with.
class Form3 : public QWidget {
    Q_OBJECT
public:
    // Runs the window's load steps (centring, surface set-up, first XY) without showing it.
    explicit Form3(Shell& shell, QWidget* parent = nullptr);

    DrawingSurface& surface();

    // Clears the surface and redraws grid, axes, ticks and labels from the plane settings.
    void XY();
    void DrawDot(double Px, double Py, BgrColor color);
    // `color` is the decimal text of the colour value.
    void PrintWord(double x, double Y, const QString& Word, const QString& color);

    // Sets the client area (the surface fills it exactly) and redraws the plane.
    void resizePlane(int widthTwips, int heightTwips);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Shell& shell_;
    DrawingSurface* surface_;
};

}  // namespace zeto
