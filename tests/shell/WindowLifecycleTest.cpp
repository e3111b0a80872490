#include "ShellFixture.h"

#include "functions/FunctionPage.h"
#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"
#include "shell/AboutWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zeto;
using namespace zeto::test;

TEST_F(ShellFixture, NavigationButtonsShowThePlaneWindows) {
    find<QPushButton>("Command3")->click();
    EXPECT_TRUE(mainWindow->coordinateWindow().isVisible());
    mainWindow->coordinateWindow().close();
    EXPECT_TRUE(mainWindow->coordinateWindow().isHidden());
    find<QPushButton>("Command10")->click();
    EXPECT_TRUE(mainWindow->settingsWindow().isVisible());
}

TEST_F(ShellFixture, ClearingThePlaneWorksWhileItsWindowIsHidden) {
    DrawingSurface& surface = mainWindow->coordinateWindow().surface();
    const QPoint centre = surface.toPixel(3, 3).toPoint();
    const QRgb background = surface.image().pixel(centre);
    mainWindow->coordinateWindow().DrawDot(3, 3, 0x0000FF);
    EXPECT_NE(surface.image().pixel(centre), background);
    find<QPushButton>("Command4")->click();
    EXPECT_EQ(surface.image().pixel(centre), background);
    EXPECT_TRUE(mainWindow->coordinateWindow().isHidden());
    mainWindow->coordinateWindow().DrawDot(3, 3, 0x0000FF);
    find<QPushButton>("Command6")->click();
    EXPECT_EQ(surface.image().pixel(centre), background);
}

TEST_F(ShellFixture, HiddenPlaneKeepsItsDrawing) {
    find<QPushButton>("Command7")->click();
    DrawingSurface& surface = mainWindow->coordinateWindow().surface();
    mainWindow->coordinateWindow().DrawDot(-2, 1, 0x00FF00);
    const QImage before = surface.image();
    mainWindow->coordinateWindow().close();
    find<QPushButton>("Command7")->click();
    EXPECT_TRUE(mainWindow->coordinateWindow().isVisible());
    EXPECT_EQ(surface.image(), before);
}

TEST_F(ShellFixture, ClosingTheMainWindowClosesEverything) {
    mainWindow->show();
    mainWindow->showPlane();
    mainWindow->showSettings();
    mainWindow->showAbout();
    ASSERT_TRUE(mainWindow->coordinateWindow().isVisible() &&
                mainWindow->settingsWindow().isVisible());
    mainWindow->close();
    EXPECT_TRUE(mainWindow->shared().EXITZETO);
    EXPECT_FALSE(mainWindow->coordinateWindow().isVisible());
    EXPECT_FALSE(mainWindow->settingsWindow().isVisible());
    EXPECT_FALSE(mainWindow->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mainWindow->about(), nullptr);
}

TEST_F(ShellFixture, ExitMenuEndsAtOnceWithoutCloseRequests) {
    mainWindow->show();
    mainWindow->showPlane();
    mainWindow->exitNow();
    EXPECT_TRUE(mainWindow->shared().EXITZETO);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_FALSE(mainWindow->coordinateWindow().isVisible());
}

TEST_F(ShellFixture, AboutWindowIsCreatedAnewAfterOk) {
    mainWindow->showAbout();
    AboutWindow* first = mainWindow->about();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), "frmAbout");
    EXPECT_EQ(first->windowTitle(), "关于ZETO");
    EXPECT_EQ(first->findChild<QLabel*>("lblTitle")->text(), "名称:ZETO");
    EXPECT_EQ(first->findChild<QLabel*>("Label5")->text(), "版本:V1.2 ");
    mainWindow->showAbout();
    EXPECT_EQ(mainWindow->about(), first);  // already there: only brought forward
    first->findChild<QPushButton*>("cmdOK")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mainWindow->about(), nullptr);
    mainWindow->showAbout();
    EXPECT_NE(mainWindow->about(), nullptr);
    EXPECT_TRUE(mainWindow->about()->isVisible());
}

// A long task that yields while the user closes the main window must stop at its next yield
// and leave every window intact until the program really ends.
TEST_F(ShellFixture, ClosingDuringALongTaskStopsItCleanly) {
    mainWindow->show();
    mainWindow->setStatus("作图中,请稍等...");
    mainWindow->startLamp();
    QTimer::singleShot(0, mainWindow.get(), [this] { mainWindow->close(); });
    int steps = 0;
    while (mainWindow->yieldToEvents()) {
        if (++steps > 100000) break;
    }
    EXPECT_LT(steps, 100000);
    EXPECT_TRUE(mainWindow->closing());
    EXPECT_FALSE(mainWindow->yieldToEvents());
    // Nothing was destroyed under the task's feet.
    mainWindow->setStatus("就绪");
    mainWindow->stopLamp();
}

TEST_F(ShellFixture, SettingsHelpButtonOpensTheHelpPage) {
    mainWindow->settingsWindow().findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_TRUE(launcher.opened[0].endsWith("/help/index.htm"));
}

TEST_F(ShellFixture, PlaneToolsMarkInTheFunctionColourAndMinimiseTheMainWindow) {
    mainWindow->show();
    dialogs.colorAnswers.push_back(QColor(0, 0, 255));
    mainWindow->findChild<FunctionPage*>()->tucolor_Click();
    mainWindow->showPlane();
    DrawingSurface& surface = mainWindow->coordinateWindow().surface();
    const QPoint p = surface.toPixel(3, -2).toPoint();
    QTest::mouseClick(&surface, Qt::RightButton, {}, p);
    EXPECT_EQ(surface.image().pixel(p), qRgb(0, 0, 255));
    EXPECT_FALSE(mainWindow->isMinimized());
    mainWindow->coordinateWindow().findChild<QToolButton*>("Optext")->click();
    QTest::mouseClick(&surface, Qt::LeftButton, {}, p);  // the text box is cancelled
    EXPECT_EQ(dialogs.inputPrompts.size(), 1);
    EXPECT_TRUE(mainWindow->isMinimized());
}
