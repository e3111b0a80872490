#include "plane/CoordinateWindow.h"

#include "plane/PlaneTools.h"
#include "plane/SettingsWindow.h"
#include "platform/ColorSwatch.h"
#include "platform/DrawingSurface.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

#include <QCloseEvent>

#include <cmath>
#include <limits>

namespace zeto {

namespace {

constexpr BgrColor kBlack = 0x000000;

}  // namespace

CoordinateWindow::CoordinateWindow(PlaneHost& host, const SettingsWindow& settings, QWidget* parent)
    : PlaneWindow(host, parent), settings_(settings), surface_(new DrawingSurface(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ZETO-坐标"));
    surface_->setObjectName(QStringLiteral("Picture1"));

    // Load steps.
    fitSurface(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    centreOnScreen(this);
    surface_->setBackColor(settings_.settings().backgroundColor);
    XY();

    new PlaneTools(host, *this, settings_);
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

void CoordinateWindow::resizePlane(QSize twips) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    fitSurface(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    XY();
}

void CoordinateWindow::XY() {
    const PlaneSettings settings = settings_.settings();
    const int L = settings.sl;
    DrawingSurface& p = *surface_;

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
    const QString axisText = numberText(axis);
    for (int j = 1 - L; j <= L - 1; ++j) {
        p.line(j, 0, j, tick);
        if (labels) PrintWord(j - 0.45, -0.2, numberText(j), axisText);
        p.line(0, j, -tick, j);
        if (labels && j != 0) PrintWord(yLabelX, j + 0.2, numberText(j), axisText);
    }

    p.setDrawWidth(settings.bl == 2 ? 2 : 1);
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

void CoordinateWindow::segment(double x1, double y1, double x2, double y2, BgrColor color) {
    surface_->line(x1, y1, x2, y2, color);
}

void CoordinateWindow::dot(double x, double y, BgrColor color) {
    DrawDot(x, y, color);
}

void CoordinateWindow::label(double x, double y, const QString& text, BgrColor color) {
    PrintWord(x, y, text, numberText(color));
}

void CoordinateWindow::circle(double cx, double cy, double r, BgrColor color) {
    surface_->circle(cx, cy, r, color);
}

void CoordinateWindow::setPenWidth(int pixels) {
    surface_->setDrawWidth(pixels);
}

}  // namespace zeto
