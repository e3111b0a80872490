#include "ShellFixture.h"

#include "plane/Form3.h"
#include "plane/Form4.h"

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
    form1->show();
    auto* tabs = find<QTabWidget>("SSTab1");
    for (int k = 0; k < tabs->count(); ++k) {
        tabs->setCurrentIndex(k);
        QCoreApplication::processEvents();
        form1->grab().save(QDir(folder).filePath(QStringLiteral("form1-page%1.png").arg(k + 1)));
    }
    form1->showCoordinateWindow();
    form1->showSettingsWindow();
    QCoreApplication::processEvents();
    form1->form3().grab().save(QDir(folder).filePath("form3.png"));
    form1->form4().grab().save(QDir(folder).filePath("form4.png"));
}
