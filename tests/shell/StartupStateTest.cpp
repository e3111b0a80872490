#include "ShellFixture.h"

#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cmath>

using namespace zeto;
using namespace zeto::test;

namespace {

bool shown(QWidget* w) {
    return !w->isHidden();
}

}  // namespace

TEST_F(ShellFixture, StartsWithFirstPageAndReadyStatus) {
    EXPECT_EQ(mainWindow->objectName(), "Form1");
    EXPECT_EQ(mainWindow->windowTitle(), "ZETO");
    auto* tabs = find<QTabWidget>("SSTab1");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 6);
    const QStringList captions = {"最简根式",     "函数图象",   "平面解析几何",
                                  "一元二次方程", "表达式的值", "数列"};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(tabs->tabText(k), captions[k]);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(find<QLabel>("status")->text(), "就绪");
    EXPECT_EQ(find<QLabel>("Label1")->text(), "状态:");
    EXPECT_EQ(mainWindow->client()->size(), QSize(480, 332));
}

TEST_F(ShellFixture, SharedVariablesHoldTheirStartValues) {
    const SharedState& s = mainWindow->shared();
    const PlaneSettings plane = mainWindow->planeSettings();
    EXPECT_FALSE(s.EXITZETO);
    EXPECT_EQ(plane.sl, 10);
    EXPECT_EQ(plane.bl, 2);
    EXPECT_EQ(s.funsort, 1);
    EXPECT_EQ(s.Cci, 1);
    // "正常" shows in the fineness list while the step is still pi/1000, as start-up leaves it.
    EXPECT_FLOAT_EQ(plane.JXD, static_cast<float>(3.1415926535 / 1000));
    auto* dpi = mainWindow->settingsWindow().findChild<QComboBox*>("dpi");
    ASSERT_NE(dpi, nullptr);
    EXPECT_EQ(dpi->currentText(), "正常");
    EXPECT_EQ(mainWindow->settingsWindow().findChild<QComboBox*>("bold")->currentText(), "粗");
}

TEST_F(ShellFixture, PlaneWindowsExistHiddenWithTheirNames) {
    EXPECT_EQ(mainWindow->coordinateWindow().objectName(), "Form3");
    EXPECT_EQ(mainWindow->settingsWindow().objectName(), "Form4");
    EXPECT_TRUE(mainWindow->coordinateWindow().isHidden());
    EXPECT_TRUE(mainWindow->settingsWindow().isHidden());
    EXPECT_NE(mainWindow->coordinateWindow().findChild<QWidget*>("Picture1"), nullptr);
}

TEST_F(ShellFixture, MenusCarryTheirItemsInOrder) {
    struct Row {
        const char* menu;
        QString title;
        QStringList items;
    };
    const Row rows[] = {
        {"sys", "系统(&S)", {"config:系统设置", "hypen:", "EXIT:退出ZETO"}},
        {"tools", "工具(&T)", {"calc:计算器"}},
        {"help",
         "帮助(&H)",
         {"toppic:帮助主题", "web:公司网站", "email:作者信箱", "line:", "ABOUT:关于ZETO"}},
    };
    QList<QAction*> top = mainWindow->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    for (int k = 0; k < 3; ++k) {
        QMenu* menu = top[k]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), rows[k].menu);
        EXPECT_EQ(menu->title(), rows[k].title);
        QStringList items;
        for (QAction* a : menu->actions())
            items.append(a->objectName() + ":" + (a->isSeparator() ? "" : a->text()));
        EXPECT_EQ(items, rows[k].items);
    }
}

TEST_F(ShellFixture, ToolButtonsSitInARowWithTheirTips) {
    struct Row {
        const char* name;
        QString tip;
        int left;
        int top;
    };
    const Row rows[] = {{"FlatBttn1", "计算器", 120, 45},    {"FlatBttn2", "查看坐标", 700, 40},
                        {"FlatBttn3", "系统设置", 1320, 40}, {"FlatBttn4", "公司网站", 1920, 40},
                        {"FlatBttn5", "系统帮助", 2520, 40}, {"FlatBttn6", "关于系统", 3120, 40}};
    for (const Row& row : rows) {
        auto* b = find<QToolButton>(row.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), row.tip);
        EXPECT_EQ(b->geometry(), twipsRect(row.left, row.top, 540, 540)) << row.name;
        EXPECT_FALSE(b->icon().isNull()) << row.name;
    }
}

TEST_F(ShellFixture, PagesPlaceTheirControlsRelativeToTheTabControl) {
    mainWindow->show();
    QCoreApplication::processEvents();
    auto* tabs = find<QTabWidget>("SSTab1");
    EXPECT_EQ(tabs->geometry(), twipsRect(120, 610, 6975, 4020));
    struct Row {
        const char* name;
        int left;
        int top;
    };
    // Buttons and frames are designed relative to the whole tab control, tab row included.
    for (Row row : {Row{"Command2", 5280, 660}, Row{"Frame3", 240, 1620},
                    Row{"Command8", 5280, 660}, Row{"Frame6", 240, 3060}}) {
        QWidget* w = find<QWidget>(row.name);
        // Only the page in front is laid out; bring each control's page forward first.
        for (int k = 0; k < tabs->count(); ++k)
            if (tabs->widget(k)->isAncestorOf(w)) tabs->setCurrentIndex(k);
        QCoreApplication::processEvents();
        ASSERT_NE(w, nullptr);
        QPoint p = w->mapTo(tabs, QPoint(0, 0));
        EXPECT_NEAR(p.x(), twipsToPixels(row.left), 2) << row.name;
        EXPECT_NEAR(p.y(), twipsToPixels(row.top), 3) << row.name;
    }
}

TEST_F(ShellFixture, FormulaCaptionsAndFieldsAreRed) {
    for (const char* name : {"JXS", "QFC"})
        EXPECT_EQ(find<QLabel>(name)->palette().color(QPalette::WindowText), QColor(Qt::red))
            << name;
    EXPECT_EQ(find<QLineEdit>("zdyjxs")->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_NE(find<QLabel>("Label10")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(ShellFixture, FunctionAndCurvePanelsStartConfigured) {
    EXPECT_EQ(find<QComboBox>("fsort")->currentText(), "一次函数");
    EXPECT_EQ(find<QLabel>("JXS")->text(), "Y=KX+B");
    EXPECT_EQ(find<QLabel>("CXS1")->text(), "K=");
    EXPECT_EQ(find<QLabel>("CXS2")->text(), "B=");
    EXPECT_FALSE(shown(find<QLineEdit>("XS3")));
    EXPECT_FALSE(shown(find<QLabel>("CXS3")));
    EXPECT_FALSE(shown(find<QLineEdit>("zdyjxs")));
    EXPECT_FALSE(shown(find<QLabel>("note")));
    EXPECT_TRUE(shown(find<QCheckBox>("funchk")));
    EXPECT_TRUE(find<QCheckBox>("funchk")->isChecked());
    EXPECT_EQ(find<QLineEdit>("zy1")->text(), "-5");
    EXPECT_EQ(find<QLineEdit>("zy2")->text(), "5");

    EXPECT_EQ(find<QComboBox>("qusort")->currentText(), "圆");
    EXPECT_EQ(find<QLabel>("QFC")->text(), "(X+a)^2+(Y+b)^2=r^2");
    EXPECT_EQ(find<QLabel>("CQXS1")->text(), "a=");
    EXPECT_EQ(find<QLabel>("CQXS2")->text(), "b=");
    EXPECT_EQ(find<QLabel>("CQXS3")->text(), "r=");
    EXPECT_FALSE(shown(find<QCheckBox>("quchk")));
    EXPECT_FALSE(find<QCheckBox>("quchk")->isChecked());

    auto* script = find<QPlainTextEdit>("Txtscript");
    EXPECT_TRUE(script->isHidden());
    EXPECT_TRUE(script->toPlainText().isEmpty());
}

TEST_F(ShellFixture, TimersStartAsDesigned) {
    auto* banner = find<QTimer>("Timer1");
    auto* lamp = find<QTimer>("Timerc1");
    ASSERT_TRUE(banner && lamp);
    EXPECT_TRUE(banner->isActive());
    EXPECT_EQ(banner->interval(), 5000);
    EXPECT_FALSE(lamp->isActive());
    EXPECT_EQ(lamp->interval(), 50);
}

TEST_F(ShellFixture, SequencePanelStartsArithmetic) {
    EXPECT_EQ(find<QComboBox>("slsort")->currentText(), "等差数列");
    EXPECT_EQ(find<QLabel>("TXGS")->text(), "An=a1+(n-1)d");
    EXPECT_EQ(find<QLabel>("CLXS1")->text(), "a1=");
    EXPECT_EQ(find<QLabel>("CLXS2")->text(), "d=");
    EXPECT_FALSE(shown(find<QLineEdit>("LXS3")));
    EXPECT_FALSE(shown(find<QLineEdit>("Zdytxgs")));
}

// The callback object is registered with the engine, so a generated procedure reaches the page.
TEST_F(ShellFixture, EngineReachesTheCallbackObject) {
    find<QTabWidget>("SSTab1")->setCurrentIndex(4);
    find<QLineEdit>("txtshi")->setText("1/4");
    find<QPushButton>("Command12")->click();
    EXPECT_EQ(find<QPlainTextEdit>("txtrlt")->toPlainText(), "=0.25\n");
    EXPECT_TRUE(find<QPlainTextEdit>("Txtscript")->toPlainText().startsWith("Sub eq()"));
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(ShellFixture, EveryDesignedControlIsFoundByName) {
    const QString names = QStringLiteral(
        "CC CLXS1 CLXS2 CLXS3 CQXS1 CQXS2 CQXS3 CXS1 CXS2 CXS3 Command1 Command2 Command3 Command4 "
        "Command5 Command6 Command7 Command8 Command9 Command10 Command11 Command12 Command13 "
        "Command14 Command15 Command16 Command17 Command18 Frame1 Frame2 Frame3 Frame4 Frame5 "
        "Frame6 "
        "Frame7 Frame8 Frame9 Frame10 Frame11 Frame12 Frame13 Frame14 Frame15 Frame16 Fsqr Image1 "
        "Image2 Image3 Image4 Image5 Image6 JXS LXS1 LXS2 LXS3 Label1 Label2 Label3 Label4 Label5 "
        "Label6 Label7 Label8 Label9 Label10 Label11 Label12 Label13 Label14 Label15 Label16 "
        "Label17 "
        "Label18 Label19 Label20 Label21 Label23 Label24 Label25 Label26 Line1 Line2 Line3 Line4 "
        "Line5 Line6 Line7 Line8 Line9 QFC QXS1 QXS2 QXS3 SLEXP SUM Sumn TXGS Timer1 Timerc1 "
        "Txtscript XS1 XS2 XS3 Zdytxgs dage fline fline2 fsort funchk fxs1 fxs2 fxs3 jie1fm jie1h "
        "jie1m jie1n jie2fm jie2h jie2m jie2n jj1 jj2 jqz mm nn note note2 plus quchk qucolor "
        "qusort "
        "slsort spec sqrx status tucolor txtrlt txtshi zdyjxs zy1 zy2 FlatBttn1 FlatBttn2 "
        "FlatBttn3 "
        "FlatBttn4 FlatBttn5 FlatBttn6 Picture1 SSTab1");
    for (const QString& name : names.split(QLatin1Char(' ')))
        EXPECT_EQ(mainWindow->findChildren<QObject*>(name).size(), 1) << name.toStdString();
}
