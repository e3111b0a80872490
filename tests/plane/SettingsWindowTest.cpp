#include "PlaneFixture.h"

#include "platform/core/InterfaceZoom.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

namespace zeto::test {
namespace {

const QString kAxisLengthMessage = QStringLiteral("请输入5到20之间的正整数");

void choose(QComboBox* box, const QString& item) {
    box->setCurrentIndex(box->findText(item));
    emit box->activated(box->currentIndex());
}

using SettingsWindow = PlaneFixture;

// The plane as the settings start it (axis length 10, labels, no grid, the thick pen) comes
// back whole on a redraw, whatever was drawn on it; graphs start by the line method, and the
// sequence preview lists 100 terms.
TEST_F(SettingsWindow, StartValuesDrawThePlaneARedrawGivesBack) {
    EXPECT_TRUE(control<QRadioButton>("Oplxf")->isChecked());
    EXPECT_EQ(control<QLineEdit>("SLYLN")->text(), QStringLiteral("100"));
    EXPECT_EQ(surface.drawWidth(), 2);
    const QImage start = image();
    coordinates.drawDot(1, 1, kGreen);
    coordinates.printText(2, 2, "text", kRed);
    surface.circle(0, 0, 4, kGreen);
    drawPlane(10, false, true);
    EXPECT_EQ(image(), start);
}

TEST_F(SettingsWindow, OnlyPlaneSettingsEraseTheGraphs) {
    const struct {
        const char* name;
        bool erases;
        std::function<void()> change;
    } cases[] = {{"thin", false, [&] { choose(control<QComboBox>("bold"), "细"); }},
                 {"fineness", false, [&] { choose(control<QComboBox>("dpi"), "高(慢)"); }},
                 {"method", false, [&] { control<QRadioButton>("Opmdf")->click(); }},
                 {"smooth lines", false, [&] { control<QCheckBox>("chkaa")->click(); }},
                 {"preview terms", false, [&] { leaveField("SLYLN", "50"); }},
                 {"plain lines", false, [&] { control<QCheckBox>("chkaa")->click(); }},
                 {"grid", true, [&] { control<QCheckBox>("opnet")->click(); }},
                 {"labels", true, [&] { control<QCheckBox>("kd")->click(); }},
                 {"grid colour", true, [&] { chooseSwatchColor("wgcolor", 0x808080); }},
                 {"axis colour", true, [&] { chooseSwatchColor("zbcolor", 0x808080); }},
                 {"background", true, [&] { chooseSwatchColor("bgcolor", 0xF0F0F0); }},
                 {"axis length", true, [&] { leaveField("txtsl", "15"); }},
                 {"small", true, [&] { control<QRadioButton>("Option1")->click(); }},
                 {"medium again", true, [&] { control<QRadioButton>("Option2")->click(); }}};
    // Smooth, the dot's pixels are green blended with the background.
    const auto greens = [this] {
        int n = 0;
        for (int y = 0; y < image().height(); ++y)
            for (int x = 0; x < image().width(); ++x) {
                const QRgb c = image().pixel(x, y);
                n += qGreen(c) > 150 && qRed(c) < 200 && qBlue(c) < 200;
            }
        return n;
    };
    for (const auto& c : cases) {
        coordinates.markDot(3.3, 4.4, kGreen);
        ASSERT_GT(greens(), 0) << c.name;
        c.change();
        EXPECT_EQ(greens() == 0, c.erases) << c.name;
    }
    EXPECT_TRUE(shell.scripted.messages.isEmpty());
}

TEST_F(SettingsWindow, PenWidthTakesEffectForTheNextDrawing) {
    choose(control<QComboBox>("bold"), "细");
    EXPECT_EQ(shell.settings().penWidth, 1);
    EXPECT_EQ(surface.drawWidth(), 1);
    settingsWindow.selectPenWidth("粗");
    settingsWindow.selectPenWidth("中等");  // no such item: nothing changes
    EXPECT_EQ(shell.settings().penWidth, 2);
    EXPECT_EQ(surface.drawWidth(), 2);
}

TEST_F(SettingsWindow, CancelledColourDialogChangesNothing) {
    coordinates.drawDot(3.3, 4.4, kGreen);
    for (const char* name : {"wgcolor", "zbcolor", "bgcolor"}) {
        auto* swatch = control<ColorSwatch>(name);
        const BgrColor before = swatch->color();
        shell.scripted.colorDialogInitials.clear();
        QTest::mouseClick(swatch, Qt::LeftButton);  // no answer scripted: cancelled
        ASSERT_EQ(shell.scripted.colorDialogInitials.size(), 1) << name;
        EXPECT_EQ(bgrFromColor(shell.scripted.colorDialogInitials.front()), before) << name;
        EXPECT_EQ(swatch->color(), before) << name;
        EXPECT_GT(countColor(image(), kGreen), 0) << name;
    }
    EXPECT_EQ(surface.backColor(), kWhite);
}

// The leading number of the text counts; a refused text leaves the plane and its graphs.
TEST_F(SettingsWindow, AxisLengthIsCheckedOnLeavingTheBox) {
    const struct {
        const char* text;
        int axisLength;  // 0: refused
    } cases[] = {{"15", 15}, {"5", 5},     {"20", 20},    {"12abc", 12}, {" 8", 8},
                 {"4", 0},   {"21", 0},    {"-6", 0},     {"7.5", 0},    {"", 0},
                 {"abc", 0}, {"1e400", 0}, {"20.0001", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        shell.scripted.clear();
        const int before = shell.settings().axisLength;
        coordinates.drawDot(3.3, 4.4, kGreen);
        leaveField("txtsl", QString::fromUtf8(c.text));
        EXPECT_EQ(shell.settings().axisLength, c.axisLength ? c.axisLength : before);
        EXPECT_EQ(control<QLineEdit>("txtsl")->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(countColor(image(), kGreen) == 0, c.axisLength != 0);
        if (c.axisLength) {
            EXPECT_TRUE(shell.scripted.messages.isEmpty());
            // The plane now spans the new axis length: the arrowhead tip sits on the right edge.
            EXPECT_TRUE(
                colorNear(image(), grid().col(c.axisLength - 0.25), grid().row(0.25), kBlack));
        } else {
            EXPECT_EQ(shell.scripted.messageTexts(), QStringList{kAxisLengthMessage});
            EXPECT_EQ(shell.scripted.messages.value(0).icon, Dialogs::Icon::None);
        }
    }
}

// A refused axis length lets the focus go on; a preview count that is no number takes it back.
TEST_F(SettingsWindow, FieldsAreCheckedWhenTheUserTabsAway) {
    settingsWindow.show();
    QApplication::setActiveWindow(&settingsWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&settingsWindow));
    QWidget* next = control<QPushButton>("Command2");
    const struct {
        const char* field;
        int tab;
        const char* text;
        QString message;  // empty: accepted quietly
        bool keepsFocus;
    } cases[] = {{"txtsl", 0, "3", kAxisLengthMessage, false},
                 {"txtsl", 0, "6", {}, false},
                 {"SLYLN", 1, "1x", QStringLiteral("请输入数字"), true},
                 {"SLYLN", 1, "30", {}, false}};
    for (const auto& c : cases) {
        shell.scripted.clear();
        control<QTabWidget>("SSTab1")->setCurrentIndex(c.tab);
        auto* field = control<QLineEdit>(c.field);
        field->setFocus();  // the user types into the field and tabs on
        field->setText(QString::fromUtf8(c.text));
        next->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), c.keepsFocus ? field : next) << c.text;
        EXPECT_EQ(field->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(shell.scripted.messageTexts(),
                  c.message.isEmpty() ? QStringList() : QStringList{c.message});
        for (const auto& m : shell.scripted.messages) EXPECT_EQ(m.icon, Dialogs::Icon::None);
    }
    EXPECT_EQ(shell.settings().axisLength, 6);
}

TEST_F(SettingsWindow, FocusLostToAnotherWindowIsNotAChange) {
    control<QLineEdit>("SLYLN")->setText("x");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(control<QLineEdit>("SLYLN"), &out);
    QCoreApplication::processEvents();
    EXPECT_TRUE(shell.scripted.messages.isEmpty());
}

// Each item sets pi / divisor in single precision; a text that names no item changes nothing.
TEST_F(SettingsWindow, FinenessItemsSetThePointStep) {
    const struct {
        const char* item;
        double divisor;
    } cases[] = {{"狂低(狂快)", 50}, {"很低(较快)", 500},  {"低(快)", 1000},    {"正常", 2000},
                 {"高(慢)", 3000},   {"很高(较慢)", 4000}, {"狂高(狂慢)", 5000}};
    ASSERT_EQ(control<QComboBox>("dpi")->count(), 7);
    for (const auto& c : cases) {
        changeSettings([](PlaneSettings& s) { s.pointStep = 0; });
        choose(control<QComboBox>("dpi"), QString::fromUtf8(c.item));
        EXPECT_FLOAT_EQ(shell.settings().pointStep, static_cast<float>(3.1415926535 / c.divisor))
            << c.item;
    }
    settingsWindow.selectFineness("超高");
    EXPECT_FLOAT_EQ(shell.settings().pointStep, static_cast<float>(3.1415926535 / 5000));
}

// Twips become pixels at 15 a pixel, rounded to the nearest pixel.
TEST_F(SettingsWindow, SizeOptionsSetTheClientAreaAndRedraw) {
    const struct {
        const char* option;  // nullptr: the size at start
        QSize pixels;
    } cases[] = {{nullptr, QSize(586, 567)},
                 {"Option1", QSize(267, 267)},
                 {"Option2", QSize(439, 400)},
                 {"Option3", QSize(592, 533)}};
    for (const auto& c : cases) {
        if (c.option) control<QRadioButton>(c.option)->click();
        EXPECT_EQ(coordinates.size(), c.pixels);
        EXPECT_EQ(surface.geometry(), QRect(QPoint(0, 0), c.pixels));
        EXPECT_EQ(image().size(), c.pixels);
        const PlaneGrid g = grid();
        EXPECT_TRUE(hasColor(image(), g.col(0), g.row(-3.5), kBlack)) << c.pixels.width();
        EXPECT_TRUE(hasColor(image(), g.col(-3.5), g.row(0), kBlack)) << c.pixels.width();
        EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(-7.5), kWhite)) << c.pixels.width();
    }
}

// The program's size is kept for the next start, when it becomes Qt's scale factor, unless the
// environment sets one; nothing else kept is taken.
TEST_F(SettingsWindow, InterfaceZoomIsKeptForTheNextStart) {
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("ZETO-test"));
    EXPECT_EQ(control<QComboBox>("cmbzoom")->currentText(), "100%");
    EXPECT_EQ(control<QLabel>("lblzoom")->text(), "重新启动后生效");
    const struct {
        const char* item;  // chosen in the window, or else
        QVariant kept;     // written by another hand
        int taken;
        const char* factor;  // none: no scale factor
        const char* environment = nullptr;
    } rows[] = {{"150%", {}, 150, "1.5"},     {"125%", {}, 125, "1.25"},
                {"200%", {}, 200, "2"},       {"100%", {}, 100, nullptr},
                {nullptr, 300, 100, nullptr}, {nullptr, "abc", 100, nullptr},
                {"150%", {}, 150, "3", "3"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item ? r.item : r.kept.toString().toStdString());
        if (r.item) choose(control<QComboBox>("cmbzoom"), QString::fromUtf8(r.item));
        QSettings kept;
        if (!r.item) kept.setValue("interfaceZoom", r.kept);
        EXPECT_EQ(InterfaceZoom::stored(kept), r.taken);
        qunsetenv("QT_SCALE_FACTOR");
        if (r.environment) qputenv("QT_SCALE_FACTOR", r.environment);
        InterfaceZoom::applyBeforeStart(kept);
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray(r.factor));
    }
    qunsetenv("QT_SCALE_FACTOR");
    // A settings window of the next start shows the kept choice.
    EXPECT_EQ(::zeto::SettingsWindow(shell, shell.planes().model())
                  .findChild<QComboBox*>("cmbzoom")
                  ->currentText(),
              "150%");
    QCoreApplication::setOrganizationName(QString());
}

TEST_F(SettingsWindow, ClosingOrConfirmingHidesUntilTheProgramEnds) {
    coordinates.show();
    coordinates.drawDot(1, 1, kGreen);
    for (QWidget* w :
         {static_cast<QWidget*>(&coordinates), static_cast<QWidget*>(&settingsWindow)}) {
        w->show();
        EXPECT_FALSE(w->close()) << w->objectName().toStdString();
        EXPECT_FALSE(w->isVisible());
    }
    // Shown again, the plane still has its picture, on the screen too.
    coordinates.show();
    EXPECT_GT(countColor(image(), kGreen), 0);
    EXPECT_EQ(surface.grab().toImage().convertToFormat(QImage::Format_RGB32), image());
    settingsWindow.show();
    control<QPushButton>("Command1")->click();
    EXPECT_FALSE(settingsWindow.isVisible());
    control<QPushButton>("Command2")->click();  // "帮助"
    EXPECT_EQ(shell.helpRequests, 1);
    shell.closingNow = true;
    EXPECT_TRUE(coordinates.close());
    EXPECT_TRUE(settingsWindow.close());
}

}  // namespace
}  // namespace zeto::test
