#include "ShellFixture.h"

#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
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
    // A plane with graphs on it.
    auto* kinds = find<QComboBox>("fsort");
    for (const char* kind : {"二次函数", "正弦函数", "正切函数", "自定义函数"}) {
        kinds->setCurrentText(QString::fromUtf8(kind));
        emit kinds->activated(kinds->currentIndex());
        find<QPushButton>("Command2")->click();
    }
    mainWindow->showPlane();
    mainWindow->showSettings();
    QCoreApplication::processEvents();
    mainWindow->coordinateWindow().grab().save(QDir(folder).filePath("form3.png"));

    mainWindow->clearPlane();
    auto* curves = find<QComboBox>("qusort");
    find<QCheckBox>("quchk")->setChecked(true);
    const struct {
        const char* curve;
        const char* a;
        const char* b;
        const char* c;
    } plots[] = {{"直线", "1", "1", "0"},   {"圆", "1", "1", "3"},    {"椭圆", "5", "3", ""},
                 {"双曲线1", "3", "4", ""}, {"抛物线1", "2", "", ""}, {"抛物线2", "-1", "", ""}};
    for (const auto& p : plots) {
        curves->setCurrentText(QString::fromUtf8(p.curve));
        emit curves->activated(curves->currentIndex());
        find<QLineEdit>("QXS1")->setText(p.a);
        find<QLineEdit>("QXS2")->setText(p.b);
        find<QLineEdit>("QXS3")->setText(p.c);
        find<QPushButton>("Command8")->click();
    }
    mainWindow->coordinateWindow().grab().save(QDir(folder).filePath("form3-curves.png"));
    mainWindow->settingsWindow().grab().save(QDir(folder).filePath("form4.png"));
}
