#pragma once

#include "ScriptedDialogs.h"

#include "plane/PlaneHost.h"
#include "plane/PlaneWindows.h"
#include "platform/core/ProgramFiles.h"
#include "script/core/ScriptHost.h"
#include "shell/PageContext.h"
#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"
#include "tools/StepsWindow.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace zeto {
class CoordinateWindow;
class SettingsWindow;
}  // namespace zeto

namespace zeto::test {

// A stand-in for the main window that records what the pages and windows ask of it: the long
// tasks' status, lamp and sound, and the plane windows' questions; with real plane windows
// and a real expression engine.
class FakeShell : public TaskHost, public PlaneHost {
  public:
    FakeShell();
    ~FakeShell() override;

    // TaskHost
    void setStatus(const QString& text) override;
    void startLamp() override;
    void stopLamp() override;
    void playCompletionSound() override { ++sounds; }
    bool yieldToEvents() override;
    bool closing() const override { return closingNow; }
    TaskFrame& tasks() override { return frame; }

    // PlaneHost
    Dialogs& dialogs() override { return scripted; }
    const ProgramFiles& files() const override { return programFiles; }
    void openHelp() override { ++helpRequests; }
    BgrColor pointColor() const override { return tucolor; }
    void minimiseMainWindow() override { ++minimised; }

    // What a page is built with.
    PageContext context() { return {*this, scripted, *planes_, engine, programFiles, steps}; }
    PlaneWindows& planes() { return *planes_; }
    const PlaneSettings& settings() const { return planes_->settings(); }
    CoordinateWindow& coordinateWindow() { return planes_->plane(); }
    SettingsWindow& settingsWindow() { return planes_->settingsWindow(); }
    // What the steps window shows as one text, spaces left out.
    std::string stepsText() const;

    // A control of the stand-in main window or of the settings window, by its name.
    template <typename T>
    T* control(const char* name) {
        T* widget = main.findChild<T*>(QLatin1String(name));
        if (!widget) widget = settingsWidget().findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    bool closingNow = false;
    TaskFrame frame{*this};
    ScriptedDialogs scripted;
    ProgramFiles programFiles;
    script::ScriptHost engine;
    QWidget main;
    StepsWindow steps;
    QString status = QStringLiteral("就绪");
    QStringList statusHistory;
    bool lampRunning = false;
    int lampStarts = 0;
    int lampStops = 0;
    int sounds = 0;
    int yields = 0;
    int helpRequests = 0;
    BgrColor tucolor = 0;
    int minimised = 0;

  private:
    QWidget& settingsWidget();

    std::unique_ptr<PlaneWindows> planes_;
};

}  // namespace zeto::test
