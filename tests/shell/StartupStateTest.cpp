#include "ShellFixture.h"

#include "app/AboutWindow.h"
#include "app/Links.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlaneWindows.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace zeto;
using namespace zeto::test;

// The panels already show their first kind, not the designed captions; the fineness list
// reads "正常" while the step is still pi/1000, as the load steps leave it.
TEST_F(ShellFixture, StartsOnTheFirstPageWithThePanelsAndPlaneSetUp) {
    EXPECT_EQ(mainWindow->windowTitle(), "ZETO");
    EXPECT_EQ(find<QTabWidget>("SSTab1")->currentIndex(), 0);
    const struct {
        const char* label;
        QString text;
    } labels[] = {{"status", "就绪"},
                  {"JXS", "Y=KX+B"},
                  {"QFC", "(X+a)^2+(Y+b)^2=r^2"},
                  {"TXGS", "An=a1+(n-1)d"}};
    for (const auto& c : labels) EXPECT_EQ(find<QLabel>(c.label)->text(), c.text) << c.label;
    EXPECT_TRUE(mainWindow->coordinateWindow().isHidden());
    EXPECT_TRUE(mainWindow->settingsWindow().isHidden());
    EXPECT_TRUE(find<QCheckBox>("funchk")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("quchk")->isChecked());
    // The banner changes every 5 s from the start; the lamp blinks only during a task.
    EXPECT_TRUE(find<QTimer>("Timer1")->isActive());
    EXPECT_EQ(find<QTimer>("Timer1")->interval(), 5000);
    EXPECT_FALSE(find<QTimer>("Timerc1")->isActive());
    EXPECT_EQ(find<QTimer>("Timerc1")->interval(), 50);

    EXPECT_FALSE(mainWindow->closing());
    const PlaneSettings& plane = mainWindow->planes().settings();
    EXPECT_EQ(plane.axisLength, 10);
    EXPECT_EQ(plane.penWidth, 2);
    EXPECT_FLOAT_EQ(plane.pointStep, static_cast<float>(3.1415926535 / 1000));
    SettingsWindow& settings = mainWindow->settingsWindow();
    EXPECT_EQ(settings.findChild<QComboBox*>("dpi")->currentText(), "正常");
    EXPECT_EQ(settings.findChild<QComboBox*>("bold")->currentText(), "粗");
}

// The calculator reaches the program's engine, and the completion sound is the shipped one.
TEST_F(ShellFixture, CalculatorReachesTheEngine) {
    find<QTabWidget>("SSTab1")->setCurrentIndex(4);
    find<QLineEdit>("txtshi")->setText("1/4");
    find<QPushButton>("Command12")->click();
    EXPECT_EQ(find<QPlainTextEdit>("txtrlt")->toPlainText(), "=0.25\n");
    EXPECT_EQ(sound.played, QStringList{mainWindow->files().path("\\data\\out.kvt")});
}

// Each menu item and button, by the text the user reads on it (a tool button's tip), and
// what it opens, starts or clears; every request is made again on every use. Clearing the
// plane redraws it without showing its window.
TEST_F(ShellFixture, MenuItemsAndButtonsDoTheirCommands) {
    const QString help = "open /help/index.htm";
    const QString calculator = "start /data/calc.kvt";
    const QString web = "open " + Links::webPage();
    const struct {
        const char* name;
        QString text;
        QString effect;
    } cases[] = {
        {"config", "系统设置", "settings"},
        {"calc", "计算器", calculator},
        {"toppic", "帮助主题", help},
        {"web", "公司网站", web},
        {"email", "作者信箱", "open mailto:" + Links::mailAddress()},
        {"ABOUT", "关于ZETO", "about"},
        {"FlatBttn1", "计算器", calculator},
        {"FlatBttn2", "查看坐标", "plane"},
        {"FlatBttn3", "系统设置", "settings"},
        {"FlatBttn4", "公司网站", web},
        {"FlatBttn5", "系统帮助", help},
        {"FlatBttn6", "关于系统", "about"},
        {"Command3", "查看坐标", "plane"},
        {"Command7", "查看坐标", "plane"},
        {"Command9", "坐标设置", "settings"},
        {"Command10", "坐标设置", "settings"},
        {"Command4", "清空坐标", "clear"},
        {"Command6", "清空坐标", "clear"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        mainWindow = std::make_unique<MainWindow>(*platform);
        launcher = RecordingLauncher();
        CoordinateWindow& plane = mainWindow->coordinateWindow();
        const QPoint dot = plane.surface().toPixel(3, 3).toPoint();
        const QRgb background = plane.surface().image().pixel(dot);
        plane.drawDot(3, 3, 0x0000FF);
        auto* action = mainWindow->findChild<QAction*>(c.name);
        auto* button = mainWindow->findChild<QAbstractButton*>(c.name);
        ASSERT_TRUE(action || button);
        auto* tool = qobject_cast<QToolButton*>(button);
        EXPECT_EQ(action ? action->text() : tool ? tool->toolTip() : button->text(), c.text);
        EXPECT_TRUE(!tool || !tool->icon().isNull());
        action ? action->trigger() : button->click();

        const QString folder = mainWindow->files().folder();
        QStringList effects;
        for (const QString& document : launcher.opened)
            effects << "open " + QString(document).remove(folder);
        for (const QString& program : launcher.started)
            effects << "start " + QString(program).remove(folder);
        if (plane.surface().image().pixel(dot) == background) effects << "clear";
        if (plane.isVisible()) effects << "plane";
        if (mainWindow->settingsWindow().isVisible()) effects << "settings";
        if (mainWindow->about() && mainWindow->about()->isVisible()) effects << "about";
        EXPECT_EQ(effects, QStringList{c.effect});
        EXPECT_EQ(launcher.folders, QStringList(launcher.started.size(), folder));

        const qsizetype requests = launcher.opened.size() + launcher.started.size();
        action ? action->trigger() : button->click();
        EXPECT_EQ(launcher.opened.size() + launcher.started.size(), 2 * requests);
    }
}
