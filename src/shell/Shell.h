#pragma once

#include "plane/core/PlaneSettings.h"

#include <QString>

class QWidget;

namespace zeto {

class Dialogs;
class PlotCanvas;
class ProgramFiles;
class ScriptRunner;
class TaskFrame;
struct SharedState;

// What the pages use of the main window: its shared variables, the status line, the
// activity lamp, the completion sound, the dialogs, the expression engine, and the plane as
// far as a page may reach it.
class Shell {
  public:
    virtual ~Shell() = default;

    virtual SharedState& shared() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual const ProgramFiles& files() const = 0;
    // The main window, as owner of message boxes.
    virtual QWidget* mainWidget() = 0;

    virtual void setStatus(const QString& text) = 0;
    virtual void startLamp() = 0;
    // Stops the lamp's timer and shows its idle picture.
    virtual void stopLamp() = 0;
    virtual void soundout() = 0;

    // Lets pending window events run. Returns false once the program is closing down: a
    // long task must then return at once without touching any window again.
    virtual bool yieldToEvents() = 0;
    virtual bool closing() const = 0;
    // The long tasks running now; every task opens a BusyScope on it.
    virtual TaskFrame& tasks() = 0;

    // Runs generated procedures on the program's one expression engine.
    virtual ScriptRunner& scripts() = 0;

    // The plane: its settings as they stand, what plots draw on, and the page buttons'
    // "查看坐标", "清空坐标" and "坐标设置".
    virtual PlaneSettings planeSettings() const = 0;
    virtual PlotCanvas& canvas() = 0;
    virtual void showPlane() = 0;
    virtual void clearPlane() = 0;
    virtual void showSettings() = 0;
    // The settings window's number of preview terms, as typed.
    virtual QString previewCountText() const = 0;

    // Opens the help page of the program folder with the desktop's viewer.
    virtual void openHelp() = 0;
};

}  // namespace zeto
