#pragma once

#include "plane/PlaneHost.h"
#include "platform/Platform.h"
#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QLabel;
class QTabWidget;

namespace zeto {

class AboutWindow;
class ActivityLamp;
class Banner;
class CoordinateWindow;
class CurvePage;
class FunctionPage;
class PlaneWindows;
class SequencePage;
class SettingsWindow;
class StepsWindow;
namespace script {
class ScriptHost;
}

// The main window "ZETO": six pages on the tab control `SSTab1`, menus, tool buttons, the
// status line with its activity lamp, and the banner. It owns the coordinate and settings
// windows and the expression engine, and runs the program's long tasks.
class MainWindow : public QMainWindow, public TaskHost, public PlaneHost {
    Q_OBJECT
  public:
    // Builds the window and runs its load steps; the caller shows it.
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // TaskHost
    void setStatus(const QString& text) override;
    void startLamp() override;
    void stopLamp() override;
    void playCompletionSound() override;
    bool yieldToEvents() override;
    bool closing() const override { return closing_; }
    TaskFrame& tasks() override { return tasks_; }

    // PlaneHost, besides what TaskHost shares with it
    Dialogs& dialogs() override { return platform_.dialogs; }
    const ProgramFiles& files() const override { return platform_.files; }
    void openHelp() override;
    BgrColor pointColor() const override;
    void minimiseMainWindow() override;

    PlaneWindows& planes() { return *planes_; }
    CoordinateWindow& coordinateWindow();
    SettingsWindow& settingsWindow();
    script::ScriptHost& engine() { return *engine_; }
    StepsWindow& stepsWindow() { return *steps_; }

    // The client area the designed positions refer to.
    QWidget* client() const { return centralWidget(); }
    ActivityLamp& lamp() { return *lamp_; }
    Banner& banner() { return *banner_; }
    // The about window while it exists.
    AboutWindow* about() const;

    // Menu and tool-button actions.
    void showPlane();
    void showSettings();
    void clearPlane();
    void showAbout();
    void openWebPage();
    void writeMail();
    void startCalculator();
    // "退出ZETO": ends the program at once, without asking any window to close.
    void exitNow();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildToolButtons(QWidget* client);
    void buildPages(QWidget* client);
    void buildStatusLine(QWidget* client);
    void load();
    // Makes a window visible and brings it to the front, without a modal loop.
    void showWindow(QWidget* window);
    // Shows `text` should the desktop fail to open what the launcher was handed.
    std::function<void()> failureMessage(const QString& text);

    Platform& platform_;
    // True once the main window is closing: every long task stops at its next yield, and the
    // plane windows close instead of hiding.
    bool closing_ = false;
    TaskFrame tasks_{*this};
    std::unique_ptr<script::ScriptHost> engine_;
    std::unique_ptr<PlaneWindows> planes_;
    QPointer<AboutWindow> about_;
    StepsWindow* steps_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QLabel* status_ = nullptr;
    ActivityLamp* lamp_ = nullptr;
    Banner* banner_ = nullptr;
    FunctionPage* functionPage_ = nullptr;
    CurvePage* curvePage_ = nullptr;
    SequencePage* sequencePage_ = nullptr;
};

}  // namespace zeto
