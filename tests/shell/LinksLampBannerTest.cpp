#include "ShellFixture.h"

#include "platform/core/ProgramFiles.h"
#include "shell/ActivityLamp.h"
#include "shell/Banner.h"
#include "shell/Links.h"

#include <QAction>
#include <QElapsedTimer>
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
    EXPECT_EQ(launcher.folders[0], form1->files().folder());
}

TEST_F(ShellFixture, CompletionSoundPlaysTheDataFile) {
    form1->soundout();
    form1->soundout();
    ASSERT_EQ(sound.played.size(), 2);
    EXPECT_TRUE(sound.played[0].endsWith("/data/out.kvt"));
    EXPECT_TRUE(QFileInfo::exists(sound.played[0]));
}

TEST_F(ShellFixture, LampAlternatesAndShowsItsIdlePictureWhenStopped) {
    auto* lamp = find<QLabel>("CC");
    const QImage green = fileImage(form1->files(), "\\DATA\\G.kvt");
    const QImage red = fileImage(form1->files(), "\\DATA\\R.kvt");
    const QImage idle = fileImage(form1->files(), "\\DATA\\N.kvt");
    ASSERT_FALSE(green.isNull() || red.isNull() || idle.isNull());
    EXPECT_EQ(pictureOf(lamp), idle);

    form1->startLamp();
    EXPECT_TRUE(find<QTimer>("Timerc1")->isActive());
    form1->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), green);
    EXPECT_EQ(form1->shared().Cci, 2);
    form1->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), red);
    EXPECT_EQ(form1->shared().Cci, 1);
    form1->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), green);
    form1->stopLamp();
    EXPECT_FALSE(find<QTimer>("Timerc1")->isActive());
    EXPECT_EQ(pictureOf(lamp), idle);
    // The phase carries over: the next task continues with the red picture.
    form1->startLamp();
    form1->lamp().tick();
    EXPECT_EQ(pictureOf(lamp), red);
    form1->stopLamp();
}

TEST_F(ShellFixture, LampTimerFiresWhileATaskYields) {
    form1->startLamp();
    const int before = form1->shared().Cci;
    QElapsedTimer clock;
    clock.start();
    int changes = 0;
    int last = before;
    while (changes < 2 && clock.elapsed() < 5000) {
        form1->yieldToEvents();
        if (form1->shared().Cci != last) {
            last = form1->shared().Cci;
            ++changes;
        }
    }
    form1->stopLamp();
    EXPECT_GE(changes, 2);
}

TEST_F(ShellFixture, BannerAlternatesItsTwoPictures) {
    auto* banner = find<QLabel>("Picture1");
    const QImage first = fileImage(form1->files(), "\\data\\sl.kvt");
    const QImage second = fileImage(form1->files(), "\\data\\sl2.kvt");
    EXPECT_EQ(pictureOf(banner), first);
    form1->banner().tick();
    EXPECT_EQ(pictureOf(banner), second);
    form1->banner().tick();
    EXPECT_EQ(pictureOf(banner), first);
    EXPECT_TRUE(banner->toolTip().startsWith("公司网站:"));
}

TEST(ActivityLamp, MissingPicturesKeepThePreviousOne) {
    QTemporaryDir empty;
    ProgramFiles files(empty.path());
    QLabel label;
    QPixmap previous(8, 8);
    previous.fill(Qt::blue);
    label.setPixmap(previous);
    int phase = 1;
    QObject owner;
    ActivityLamp lamp(&label, phase, files, &owner);
    lamp.start();
    lamp.tick();
    lamp.stop();
    EXPECT_EQ(label.pixmap().toImage(), previous.toImage());
    EXPECT_EQ(phase, 2);
}
