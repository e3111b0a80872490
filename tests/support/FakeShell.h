#pragma once

#include "ScriptedDialogs.h"

#include "plane/PlaneHost.h"
#include "platform/core/ProgramFiles.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace zeto {
class CoordinateWindow;
class FormulaCallbacks;
class PlaneWindows;
class ScriptRunner;
class SettingsWindow;
namespace script {
class ScriptHost;
}
}  // namespace zeto

namespace zeto::test {

// A stand-in for the main window that records what the windows and pages ask of it, with
// real plane windows and a real expression engine with the callback object registered.
class FakeShell : public Shell, public PlaneHost {
  public:
    FakeShell();
    ~FakeShell() override;

    SharedState& shared() override { return state; }
    Dialogs& dialogs() override { return scripted; }
    const ProgramFiles& files() const override { return programFiles; }
    QWidget* mainWidget() override { return &main; }
    void setStatus(const QString& text) override;
    void startLamp() override;
    void stopLamp() override;
    void soundout() override { ++sounds; }
    bool yieldToEvents() override;
    bool closing() const override { return state.EXITZETO; }
    TaskFrame& tasks() override { return frame; }
    ScriptRunner& scripts() override;
    PlaneSettings planeSettings() const override;
    PlotCanvas& canvas() override;
    void showPlane() override;
    void clearPlane() override;
    void showSettings() override;
    QString previewCountText() const override;
    void openHelp() override { ++helpRequests; }
    BgrColor pointColor() const override { return tucolor; }
    void minimiseMainWindow() override { ++minimised; }

    CoordinateWindow& coordinateWindow();
    SettingsWindow& settingsWindow();
    // A control of the stand-in main window or of the settings window, by its name.
    template <typename T>
    T* control(const char* name) {
        T* widget = main.findChild<T*>(QLatin1String(name));
        if (!widget) widget = settingsWidget().findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    script::ScriptHost& scriptHost() { return *host_; }
    FormulaCallbacks& callbacks() { return *callbacks_; }

    SharedState state;
    TaskFrame frame{*this};
    ScriptedDialogs scripted;
    ProgramFiles programFiles;
    QWidget main;
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
    QPlainTextEdit scriptBox;

  private:
    QWidget& settingsWidget();

    std::unique_ptr<PlaneWindows> planes_;
    std::unique_ptr<FormulaCallbacks> callbacks_;
    std::unique_ptr<script::ScriptHost> host_;
    std::unique_ptr<ScriptRunner> runner_;
};

}  // namespace zeto::test
