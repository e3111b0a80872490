#pragma once

#include "ScriptedDialogs.h"

#include "platform/core/ProgramFiles.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace zeto::script {
class ScriptHost;
}

namespace zeto::test {

// A stand-in for the main window that records what the windows and pages ask of it. The
// plane windows are created on first use in the start-up order (settings, then plane).
class FakeShell : public Shell {
  public:
    FakeShell();
    ~FakeShell() override;

    SharedState& shared() override { return state; }
    Dialogs& dialogs() override { return scripted; }
    const ProgramFiles& files() const override { return programFiles; }
    QWidget* mainWidget() override { return &main; }
    void setStatus(const QString& text) override;
    QString statusText() const override { return status; }
    void startLamp() override;
    void stopLamp() override;
    void soundout() override { ++sounds; }
    bool yieldToEvents() override;
    bool closing() const override { return state.EXITZETO; }
    CoordinateWindow& coordinateWindow() override;
    SettingsWindow& settingsWindow() override;
    script::ScriptHost& scriptHost() override;
    void showWindow(QWidget* window) override;
    void openHelp() override { ++helpRequests; }

    SharedState state;
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

  private:
    std::unique_ptr<SettingsWindow> settingsWindow_;
    std::unique_ptr<CoordinateWindow> coordinateWindow_;
    std::unique_ptr<script::ScriptHost> host_;
};

}  // namespace zeto::test
