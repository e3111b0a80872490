#pragma once

#include "SilentDialogs.h"
#include "platform/Launcher.h"
#include "platform/Platform.h"
#include "platform/SoundPlayer.h"

// The desktop as benchmarks see it: questions answered at once, no sound.
class SilentSound : public zeto::SoundPlayer {
  public:
    void play(const QString&) override {}
};

struct BenchPlatform {
    SilentDialogs dialogs;
    zeto::Launcher launcher;
    SilentSound sound;
    zeto::Platform platform{dialogs, launcher, sound, zeto::ProgramFiles()};
};
