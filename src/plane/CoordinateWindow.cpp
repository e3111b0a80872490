#include "plane/CoordinateWindow.h"

#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"

#include <QCloseEvent>

#include <cmath>
#include <limits>

namespace zeto {

namespace {

constexpr BgrColor kBlack = 0x000000;

}  // namespace

CoordinateWindow::CoordinateWindow(Shell& shell, QWidget* parent)
    : PlaneWindow(shell, parent), surface_(new DrawingSurface(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ZETO-坐标"));
    surface_->setObjectName(QStringLiteral("Picture1"));

    // Load steps.
    fitSurface(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    centreOnScreen(this);
    surface_->setBackColor(shell_.settingsWindow().backgroundColor());
    XY();
}

DrawingSurface& CoordinateWindow::surface() {
    return *surface_;
}

void CoordinateWindow::fitSurface(int widthPixels, int heightPixels) {
    // The window is only resized through the size options, never by its frame: the plane
    // is drawn for one surface size and is not redrawn on a drag.
    setFixedSize(widthPixels, heightPixels);
    surface_->setGeometry(0, 0, widthPixels, heightPixels);
    surface_->fitImageToWidget();
}

void CoordinateWindow::resizePlane(int widthTwips, int heightTwips) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    fitSurface(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    XY();
}

void CoordinateWindow::XY() {
    const int L = shell_.shared().sl;
    const SettingsWindow& settings = shell_.settingsWindow();
    DrawingSurface& p = *surface_;

    p.setDrawWidth(1);
    p.clear();
    p.setScale(-L, L, L, -L);

    if (settings.gridShown()) {
        const BgrColor grid = settings.gridColor();
        for (int k = -L; k <= L; ++k) {
            if (k == 0) continue;
            p.line(-L, k, L, k, grid);
            p.line(k, -L, k, L, grid);
        }
    }

    const BgrColor axis = settings.axisColor();
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
    const bool labels = settings.labelsShown();
    const double tick = std::fabs(L / 40.0);
    const double yLabelX = -std::fabs(L / 10.0);
    const QString axisText = numberText(axis);
    for (int j = 1 - L; j <= L - 1; ++j) {
        p.line(j, 0, j, tick);
        if (labels) PrintWord(j - 0.45, -0.2, numberText(j), axisText);
        p.line(0, j, -tick, j);
        if (labels && j != 0) PrintWord(yLabelX, j + 0.2, numberText(j), axisText);
    }

    const int bl = shell_.shared().bl;
    p.setDrawWidth(bl == 2 ? 2 : 1);
}

void CoordinateWindow::DrawDot(double Px, double Py, BgrColor color) {
    surface_->pset(Px, Py, color);
}

void CoordinateWindow::PrintWord(double x, double Y, const QString& Word, const QString& color) {
    const double value = std::nearbyint(leadingNumber(color));
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max())) {
        throw VbError(VbError::Overflow);
    }
    surface_->setCurrentPoint(x, Y);
    surface_->setForeColor(static_cast<BgrColor>(static_cast<std::int32_t>(value)));
    surface_->print(Word);
}

}  // namespace zeto
