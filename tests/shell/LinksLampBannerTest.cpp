#include "ShellFixture.h"

#include "platform/core/ProgramFiles.h"
#include "shell/ActivityLamp.h"
#include "shell/Banner.h"
#include "shell/Links.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace zeto;
using namespace zeto::test;

namespace {

QImage pictureOf(QLabel* label) {
    return label->pixmap().toImage();
}

QImage fileImage(const ProgramFiles& files, const QString& name) {
    QImageReader reader(files.path(name));
    reader.setDecideFormatFromContent(true);
    // Through a pixmap, as the label holds it.
    return QPixmap::fromImage(reader.read()).toImage();
}

}  // namespace

TEST_F(ShellFixture, LinksGoToTheDesktop) {
    find<QAction>("toppic")->trigger();
    find<QToolButton>("FlatBttn5")->click();
    find<QAction>("web")->trigger();
    find<QToolButton>("FlatBttn4")->click();
    find<QAction>("email")->trigger();
    ASSERT_EQ(launcher.opened.size(), 5);
    EXPECT_TRUE(launcher.opened[0].endsWith("/help/index.htm"));
    EXPECT_TRUE(QFileInfo::exists(launcher.opened[0]));
    EXPECT_EQ(launcher.opened[1], launcher.opened[0]);
    EXPECT_EQ(launcher.opened[2], Links::webPage());
    EXPECT_EQ(launcher.opened[3], Links::webPage());
    EXPECT_EQ(launcher.opened[4], "mailto:" + Links::mailAddress());
}

TEST_F(ShellFixture, CalculatorStartsOnceForEveryRequest) {
    find<QAction>("calc")->trigger();
    find<QToolButton>("FlatBttn1")->click();
    ASSERT_EQ(launcher.started.size(), 2);
    EXPECT_TRUE(launcher.started[0].endsWith("/data/calc.kvt"));
    EXPECT_TRUE(QFileInfo(launcher.started[0]).isExecutable());
    EXPECT_EQ(launcher.folders[0], mainWindow->files().folder());
}

TEST_F(ShellFixture, CompletionSoundPlaysTheDataFile) {
    mainWindow->soundout();
    mainWindow->soundout();
    ASSERT_EQ(sound.played.size(), 2);
    EXPECT_TRUE(sound.played[0].endsWith("/data/out.kvt"));
    EXPECT_TRUE(QFileInfo::exists(sound.played[0]));
}

TEST_F(ShellFixture, LampAlternatesAndShowsItsIdlePictureWhenStopped) {
    auto* lamp = find<QLabel>("CC");
    const QImage green = fileImage(mainWindow->files(), "\\DATA\\G.kvt");
    const QImage red = fileImage(mainWindow->files(), "\\DATA\\R.kvt");
    const QImage idle = fileImage(mainWindow->files(), "\\DATA\\N.kvt");
    ASSERT_FALSE(green.isNull() || red.isNull() || idle.isNull());
    EXPECT_EQ(pictureOf(lamp), idle);

    mainWindow->startLamp();
    EXPECT_TRUE(find<QTimer>("Timerc1")->isActive());
    mainWindow->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), green);
    EXPECT_EQ(mainWindow->shared().Cci, 2);
    mainWindow->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), red);
    EXPECT_EQ(mainWindow->shared().Cci, 1);
    mainWindow->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), green);
    mainWindow->stopLamp();
    EXPECT_FALSE(find<QTimer>("Timerc1")->isActive());
    EXPECT_EQ(pictureOf(lamp), idle);
    // The phase carries over: the next task continues with the red picture.
    mainWindow->startLamp();
    mainWindow->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), red);
    mainWindow->stopLamp();
}

TEST_F(ShellFixture, LampTimerFiresWhileATaskYields) {
    mainWindow->startLamp();
    const int before = mainWindow->shared().Cci;
    QElapsedTimer clock;
    clock.start();
    int changes = 0;
    int last = before;
    while (changes < 2 && clock.elapsed() < 5000) {
        mainWindow->yieldToEvents();
        if (mainWindow->shared().Cci != last) {
            last = mainWindow->shared().Cci;
            ++changes;
        }
    }
    mainWindow->stopLamp();
    EXPECT_GE(changes, 2);
}

TEST_F(ShellFixture, BannerAlternatesItsTwoPictures) {
    auto* banner = find<QLabel>("Picture1");
    const QImage first = fileImage(mainWindow->files(), "\\data\\sl.kvt");
    const QImage second = fileImage(mainWindow->files(), "\\data\\sl2.kvt");
    EXPECT_EQ(pictureOf(banner), first);
    mainWindow->banner().tick();
    EXPECT_EQ(pictureOf(banner), second);
    mainWindow->banner().tick();
    EXPECT_EQ(pictureOf(banner), first);
    EXPECT_TRUE(banner->toolTip().startsWith("公司网站:"));
}

TEST(ActivityLamp, ReadsItsPicturesOnceAndKeepsThePreviousOneWhereTheyAreMissing) {
    const ProgramFiles shipped;
    const QString names[] = {"G.kvt", "R.kvt", "N.kvt"};
    QPixmap previous(8, 8);
    previous.fill(Qt::blue);
    for (bool present : {true, false}) {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("DATA");
        QList<QImage> pictures;
        for (const QString& name : names) {
            pictures << fileImage(shipped, "\\DATA\\" + name);
            if (present)
                QFile::copy(shipped.path("\\DATA\\" + name), folder.filePath("DATA/" + name));
        }
        QLabel label;
        label.setPixmap(previous);
        int phase = 1;
        QObject owner;
        ActivityLamp lamp(&label, phase, ProgramFiles(folder.path()), &owner);
        // Pictures removed while the program runs do not stop the lamp.
        for (const QString& name : names) QFile::remove(folder.filePath("DATA/" + name));
        lamp.start();
        for (int k : {0, 1, 0}) {
            lamp.tick();
            EXPECT_EQ(pictureOf(&label), present ? pictures[k] : previous.toImage()) << present;
        }
        lamp.stop();
        EXPECT_EQ(pictureOf(&label), present ? pictures[2] : previous.toImage()) << present;
        EXPECT_EQ(phase, 2);
    }
}
