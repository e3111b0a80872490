#pragma once

#include "FakeShell.h"
#include "PlaneProbe.h"

#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zeto::test {

constexpr BgrColor kDefaultGrid = 0xFFE1DF;

// A started plane: settings window first, then the coordinate window, as at program start.
class PlaneFixture : public ::testing::Test {
  public:
    PlaneFixture()
        : settingsWindow(shell.settingsWindow()),
          coordinates(shell.coordinateWindow()),
          surface(coordinates.surface()) {}

    template <typename T>
    T* control(const char* name) {
        T* widget = settingsWindow.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    PlaneGrid grid() const {
        return PlaneGrid{surface.image().width(), surface.image().height(),
                         shell.settings().axisLength};
    }
    const QImage& image() const { return surface.image(); }

    // Pixels of the colour inside the box a text of the surface's font takes at (x, y).
    int inTextBox(double x, double y, const QString& text, BgrColor c) const {
        const QFontMetrics fm(surface.font());
        const PlaneGrid g = grid();
        return countColor(image(),
                          QRect(g.col(x), g.row(y), fm.horizontalAdvance(text), fm.height()), c);
    }

    // Picks a colour for a swatch through its dialog.
    void chooseSwatchColor(const char* swatch, BgrColor color) {
        shell.scripted.colorAnswers.push_back(colorFromBgr(color));
        QTest::mouseClick(control<ColorSwatch>(swatch), Qt::LeftButton);
    }

    // The field loses focus to another control; the check runs from the event loop.
    void leaveField(const char* name, const QString& text) {
        auto* field = control<QLineEdit>(name);
        field->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &out);
        QCoreApplication::processEvents();
    }

    void drawPlane(int L, bool gridShown, bool labels) {
        control<QCheckBox>("opnet")->setChecked(gridShown);
        control<QCheckBox>("kd")->setChecked(labels);
        changeSettings([L](PlaneSettings& s) { s.axisLength = L; });
        coordinates.drawAxes();
    }

    // Changes the settings as the program's start does, without redrawing.
    template <typename Change>
    void changeSettings(Change&& change) {
        PlaneSettings next = shell.settings();
        change(next);
        shell.planes().model().apply(next, PlaneSettingsModel::Effect::None);
    }

    FakeShell shell;
    SettingsWindow& settingsWindow;
    CoordinateWindow& coordinates;
    DrawingSurface& surface;
};

}  // namespace zeto::test
