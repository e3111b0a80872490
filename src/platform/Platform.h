#pragma once

#include "platform/core/ProgramFiles.h"

namespace zeto {

class Dialogs;
class Launcher;
class SoundPlayer;

// The services of the desktop the program runs on. The program gets the real ones; tests
// hand in recording stand-ins.
struct Platform {
    Dialogs& dialogs;
    Launcher& launcher;
    SoundPlayer& sound;
    ProgramFiles files;
};

}  // namespace zeto
