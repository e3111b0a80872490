#include "ShellFixture.h"

#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>

using namespace zeto::test;

// Saves pictures of every page and window for a person to look at; runs only when asked
// (ZETO_SCREENSHOT_DIR names the folder).
TEST_F(ShellFixture, SavesPicturesOfEveryPageWhenAsked) {
    const QString folder = qEnvironmentVariable("ZETO_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZETO_SCREENSHOT_DIR to save pictures";
    QDir().mkpath(folder);
    mainWindow->show();
    auto* tabs = find<QTabWidget>("SSTab1");
    for (int k = 0; k < tabs->count(); ++k) {
        tabs->setCurrentIndex(k);
        QCoreApplication::processEvents();
        mainWindow->grab().save(
            QDir(folder).filePath(QStringLiteral("mainWindow-page%1.png").arg(k + 1)));
    }
    mainWindow->showPlane();
    mainWindow->showSettings();
    QCoreApplication::processEvents();
    mainWindow->coordinateWindow().grab().save(QDir(folder).filePath("form3.png"));
    mainWindow->settingsWindow().grab().save(QDir(folder).filePath("form4.png"));
}
