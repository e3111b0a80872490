#pragma once

#include <QString>

class QWidget;

namespace zeto {

class Dialogs;
class CoordinateWindow;
class SettingsWindow;
class ProgramFiles;
struct SharedState;
namespace script {
class ScriptHost;
}

// What the pages and the other windows use of the main window: its shared variables, the
// status line, the activity lamp, the completion sound, the dialogs, the expression engine
// and the two plane windows.
class Shell {
  public:
    virtual ~Shell() = default;

    virtual SharedState& shared() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual const ProgramFiles& files() const = 0;
    // The main window, as owner of message boxes.
    virtual QWidget* mainWidget() = 0;

    virtual void setStatus(const QString& text) = 0;
    virtual QString statusText() const = 0;
    virtual void startLamp() = 0;
    // Stops the lamp's timer and shows its idle picture.
    virtual void stopLamp() = 0;
    virtual void soundout() = 0;

    // Lets pending window events run. Returns false once the program is closing down: a
    // long task must then return at once without touching any window again.
    virtual bool yieldToEvents() = 0;
    virtual bool closing() const = 0;

    virtual CoordinateWindow& coordinateWindow() = 0;
    virtual SettingsWindow& settingsWindow() = 0;
    virtual script::ScriptHost& scriptHost() = 0;

    // Opens the help page of the program folder with the desktop's viewer.
    virtual void openHelp() = 0;

    // Makes a window visible and brings it to the front, without a modal loop.
    virtual void showWindow(QWidget* window) = 0;
};

}  // namespace zeto
