#pragma once

#include "FakeTaskHost.h"
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

// A stand-in for the main window, split as the pages see it: the long tasks' host, scripted
// dialogs, real plane windows with their own host's questions recorded, a real expression
// engine and a steps window.
class FakeShell : public FakeTaskHost, public PlaneHost {
  public:
    FakeShell();
    ~FakeShell() override;

    bool closing() const override { return closingNow; }

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

    ScriptedDialogs scripted;
    ProgramFiles programFiles;
    script::ScriptHost engine;
    QWidget main;
    StepsWindow steps;
    int helpRequests = 0;
    BgrColor tucolor = 0;
    int minimised = 0;

  private:
    QWidget& settingsWidget();

    std::unique_ptr<PlaneWindows> planes_;
};

}  // namespace zeto::test
