#include "ShellFixture.h"

#include "plane/Form3.h"
#include "plane/Form4.h"
#include "platform/DrawingSurface.h"
#include "shell/FrmAbout.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace zeto;
using namespace zeto::test;

TEST_F(ShellFixture, NavigationButtonsShowThePlaneWindows) {
    find<QPushButton>("Command3")->click();
    EXPECT_TRUE(form1->form3().isVisible());
    form1->form3().close();
    EXPECT_TRUE(form1->form3().isHidden());
    find<QPushButton>("Command10")->click();
    EXPECT_TRUE(form1->form4().isVisible());
}

TEST_F(ShellFixture, ClearingThePlaneWorksWhileItsWindowIsHidden) {
    DrawingSurface& surface = form1->form3().surface();
    const QPoint centre = surface.toPixel(3, 3).toPoint();
    const QRgb background = surface.image().pixel(centre);
    form1->form3().DrawDot(3, 3, 0x0000FF);
    EXPECT_NE(surface.image().pixel(centre), background);
    find<QPushButton>("Command4")->click();
    EXPECT_EQ(surface.image().pixel(centre), background);
    EXPECT_TRUE(form1->form3().isHidden());
    form1->form3().DrawDot(3, 3, 0x0000FF);
    find<QPushButton>("Command6")->click();
    EXPECT_EQ(surface.image().pixel(centre), background);
}

TEST_F(ShellFixture, HiddenPlaneKeepsItsDrawing) {
    find<QPushButton>("Command7")->click();
    DrawingSurface& surface = form1->form3().surface();
    form1->form3().DrawDot(-2, 1, 0x00FF00);
    const QImage before = surface.image();
    form1->form3().close();
    find<QPushButton>("Command7")->click();
    EXPECT_TRUE(form1->form3().isVisible());
    EXPECT_EQ(surface.image(), before);
}

TEST_F(ShellFixture, ClosingTheMainWindowClosesEverything) {
    form1->show();
    form1->showCoordinateWindow();
    form1->showSettingsWindow();
    form1->showAbout();
    ASSERT_TRUE(form1->form3().isVisible() && form1->form4().isVisible());
    form1->close();
    EXPECT_TRUE(form1->shared().EXITZETO);
    EXPECT_FALSE(form1->form3().isVisible());
    EXPECT_FALSE(form1->form4().isVisible());
    EXPECT_FALSE(form1->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form1->about(), nullptr);
}

TEST_F(ShellFixture, ExitMenuEndsAtOnceWithoutCloseRequests) {
    form1->show();
    form1->showCoordinateWindow();
    form1->exitNow();
    EXPECT_TRUE(form1->shared().EXITZETO);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_FALSE(form1->form3().isVisible());
}

TEST_F(ShellFixture, AboutWindowIsCreatedAnewAfterOk) {
    form1->showAbout();
    FrmAbout* first = form1->about();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), "frmAbout");
    EXPECT_EQ(first->windowTitle(), "关于ZETO");
    EXPECT_EQ(first->findChild<QLabel*>("lblTitle")->text(), "名称:ZETO");
    EXPECT_EQ(first->findChild<QLabel*>("Label5")->text(), "版本:V1.2 ");
    form1->showAbout();
    EXPECT_EQ(form1->about(), first);  // already there: only brought forward
    first->findChild<QPushButton*>("cmdOK")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form1->about(), nullptr);
    form1->showAbout();
    EXPECT_NE(form1->about(), nullptr);
    EXPECT_TRUE(form1->about()->isVisible());
}

// A long task that yields while the user closes the main window must stop at its next yield
// and leave every window intact until the program really ends.
TEST_F(ShellFixture, ClosingDuringALongTaskStopsItCleanly) {
    form1->show();
    form1->setStatus("作图中,请稍等...");
    form1->startLamp();
    QTimer::singleShot(0, form1.get(), [this] { form1->close(); });
    int steps = 0;
    while (form1->yieldToEvents()) {
        if (++steps > 100000) break;
    }
    EXPECT_LT(steps, 100000);
    EXPECT_TRUE(form1->closing());
    EXPECT_FALSE(form1->yieldToEvents());
    // Nothing was destroyed under the task's feet.
    form1->setStatus("就绪");
    form1->stopLamp();
}

TEST_F(ShellFixture, SettingsHelpButtonOpensTheHelpPage) {
    form1->form4().findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_TRUE(launcher.opened[0].endsWith("/help/index.htm"));
}
