#pragma once

#include "plane/PlaneHost.h"
#include "platform/Platform.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QLabel;
class QTabWidget;

namespace zeto {

class ActivityLamp;
class Banner;
class CoordinateWindow;
class PlaneWindows;
class ScriptRunner;
class SettingsWindow;
class FormulaCallbacks;
class CurvePage;
class AboutWindow;
class FunctionPage;
class SequencePage;
namespace script {
class ScriptHost;
}

// The main window "ZETO": six pages on the tab control `SSTab1`, menus, tool buttons, the
// status line with its activity lamp, and the banner. It owns the coordinate and settings
// windows, the expression engine and the shared variables.
class MainWindow : public QMainWindow, public Shell, public PlaneHost {
    Q_OBJECT
  public:
    // Builds the window and runs its load steps; the caller shows it.
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shell
    SharedState& shared() override { return state_; }
    Dialogs& dialogs() override { return platform_.dialogs; }
    const ProgramFiles& files() const override { return platform_.files; }
    QWidget* mainWidget() override { return this; }
    void setStatus(const QString& text) override;
    void startLamp() override;
    void stopLamp() override;
    void soundout() override;
    bool yieldToEvents() override;
    bool closing() const override { return state_.EXITZETO; }
    TaskFrame& tasks() override { return tasks_; }
    ScriptRunner& scripts() override;
    PlaneSettings planeSettings() const override;
    PlotCanvas& canvas() override;
    void showPlane() override;
    void clearPlane() override;
    void showSettings() override;
    QString previewCountText() const override;

    // PlaneHost, besides what Shell shares with it
    BgrColor pointColor() const override;
    void minimiseMainWindow() override;

    CoordinateWindow& coordinateWindow();
    SettingsWindow& settingsWindow();

    // The client area the designed positions refer to.
    QWidget* client() const { return centralWidget(); }
    ActivityLamp& lamp() { return *lamp_; }
    Banner& banner() { return *banner_; }
    // The about window while it exists.
    AboutWindow* about() const;

    // Menu and tool-button actions.
    void showAbout();
    void openHelp() override;
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

    Platform& platform_;
    SharedState state_;
    TaskFrame tasks_{*this};
    std::unique_ptr<script::ScriptHost> SC_;
    std::unique_ptr<FormulaCallbacks> Myobj_;
    std::unique_ptr<ScriptRunner> runner_;
    std::unique_ptr<PlaneWindows> planes_;
    QPointer<AboutWindow> about_;
    QTabWidget* SSTab1_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* CC_ = nullptr;
    ActivityLamp* lamp_ = nullptr;
    Banner* banner_ = nullptr;
    FunctionPage* functionPage_ = nullptr;
    CurvePage* curvePage_ = nullptr;
    SequencePage* sequencePage_ = nullptr;
};

}  // namespace zeto
