#pragma once

namespace zeto {

class Dialogs;
class PlaneAccess;
class ProgramFiles;
class StepsWindow;
class TaskHost;
namespace script {
class ScriptHost;
}

// What the main window hands its pages: long tasks, the dialogs, the plane, the program's one
// expression engine, the program folder and the one window of worked steps.
struct PageContext {
    TaskHost& host;
    Dialogs& dialogs;
    PlaneAccess& plane;
    script::ScriptHost& engine;
    const ProgramFiles& files;
    StepsWindow& steps;
};

}  // namespace zeto
