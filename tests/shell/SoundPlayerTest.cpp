#include "platform/SoundPlayer.h"
#include "platform/core/ProgramFiles.h"

#include <QCoreApplication>
#include <QSoundEffect>

#include <gtest/gtest.h>

using namespace zeto;

// The real player: without a file it stays silent and creates nothing; with the shipped chime
// a second play replaces the first, and a machine without an audio device just stays quiet.
TEST(SoundPlayer, MissingFilesAreSilentAndRepeatedPlaysReplaceEachOther) {
    SoundPlayer player;
    player.play(QStringLiteral("/no/such/folder/out.kvt"));
    EXPECT_EQ(player.findChild<QSoundEffect*>(), nullptr);

    const QString chime = ProgramFiles().path(QStringLiteral("\\data\\out.kvt"));
    player.play(chime);
    player.play(chime);
    QCoreApplication::processEvents();
    auto effects = player.findChildren<QSoundEffect*>();
    ASSERT_EQ(effects.size(), 1);
    EXPECT_EQ(effects[0]->source().toLocalFile(), chime);
}
