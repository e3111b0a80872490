#include "ShellFixture.h"

#include "app/ActivityLamp.h"
#include "app/Banner.h"
#include "platform/core/ProgramFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

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

// The lamp's timer fires while a task yields; stopping it shows the idle picture.
TEST_F(ShellFixture, LampBlinksWhileATaskYieldsAndIdlesWhenStopped) {
    auto* lamp = find<QLabel>("CC");
    const QImage idle = fileImage(mainWindow->files(), "\\DATA\\N.kvt");
    ASSERT_FALSE(idle.isNull());
    EXPECT_EQ(pictureOf(lamp), idle);
    mainWindow->startLamp();
    QElapsedTimer clock;
    clock.start();
    int changes = 0;
    QImage last = pictureOf(lamp);
    while (changes < 2 && clock.elapsed() < 5000) {
        mainWindow->yieldToEvents();
        if (pictureOf(lamp) != last) {
            last = pictureOf(lamp);
            ++changes;
        }
    }
    EXPECT_GE(changes, 2);
    EXPECT_NE(pictureOf(lamp), idle);
    mainWindow->stopLamp();
    EXPECT_FALSE(find<QTimer>("Timerc1")->isActive());
    EXPECT_EQ(pictureOf(lamp), idle);
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
        QObject owner;
        ActivityLamp lamp(&label, ProgramFiles(folder.path()), &owner);
        // Pictures removed while the program runs do not stop the lamp.
        for (const QString& name : names) QFile::remove(folder.filePath("DATA/" + name));
        lamp.start();
        for (int k : {0, 1, 0}) {
            lamp.tick();
            EXPECT_EQ(pictureOf(&label), present ? pictures[k] : previous.toImage()) << present;
        }
        lamp.stop();
        EXPECT_EQ(pictureOf(&label), present ? pictures[2] : previous.toImage()) << present;
    }
}
