#include "ShellFixture.h"

#include "app/AboutWindow.h"
#include "functions/FunctionPage.h"
#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zeto;
using namespace zeto::test;

// The close box asks every window to close; "退出ZETO" ends at once without asking. Either
// way no window stays in view.
TEST_F(ShellFixture, EndingTheProgramLeavesNoWindowInView) {
    for (bool menu : {false, true}) {
        SCOPED_TRACE(menu ? "退出ZETO" : "close box");
        mainWindow = std::make_unique<MainWindow>(*platform);
        mainWindow->show();
        mainWindow->showPlane();
        mainWindow->showSettings();
        mainWindow->showAbout();
        QPointer<AboutWindow> about = mainWindow->about();
        if (menu)
            find<QAction>("EXIT")->trigger();
        else
            mainWindow->close();
        EXPECT_TRUE(mainWindow->closing());
        for (QWidget* window : {static_cast<QWidget*>(mainWindow.get()),
                                static_cast<QWidget*>(&mainWindow->coordinateWindow()),
                                static_cast<QWidget*>(&mainWindow->settingsWindow())})
            EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
        EXPECT_FALSE(about && about->isVisible());
    }
}

TEST_F(ShellFixture, AboutWindowIsCreatedAnewAfterOk) {
    mainWindow->showAbout();
    AboutWindow* first = mainWindow->about();
    ASSERT_NE(first, nullptr);
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

TEST_F(ShellFixture, PlaneToolsMarkInTheFunctionColourAndMinimiseTheMainWindow) {
    mainWindow->show();
    dialogs.colorAnswers.push_back(QColor(0, 0, 255));
    emit find<ColorSwatch>("tucolor")->clicked();
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
