#pragma once

#include "ScriptedDialogs.h"

#include "app/MainWindow.h"
#include "platform/Launcher.h"
#include "platform/Platform.h"
#include "platform/SoundPlayer.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace zeto::test {

class RecordingLauncher : public Launcher {
  public:
    void openDocument(const QString& fileOrUrl, const Failed& failed) override {
        opened.append(fileOrUrl);
        if (failing) failed();
    }
    void startProgram(const QString& program, const QString& folder,
                      const Failed& failed) override {
        started.append(program);
        folders.append(folder);
        if (failing) failed();
    }
    bool failing = false;  // the desktop has nothing to open anything with
    QStringList opened;
    QStringList started;
    QStringList folders;
};

class RecordingSound : public SoundPlayer {
  public:
    void play(const QString& file) override { played.append(file); }
    QStringList played;
};

// A main window built with scripted dialogs, a recording launcher and a silent sound.
class ShellFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        platform = std::make_unique<Platform>(Platform{dialogs, launcher, sound, ProgramFiles()});
        mainWindow = std::make_unique<MainWindow>(*platform);
    }
    void TearDown() override { mainWindow.reset(); }

    template <typename T>
    T* find(const char* name) {
        T* found = mainWindow->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    RecordingSound sound;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<MainWindow> mainWindow;
};

}  // namespace zeto::test
