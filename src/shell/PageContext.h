#pragma once

namespace zeto {

class Dialogs;
class PlaneAccess;
class ProgramFiles;
class TaskHost;
namespace script {
class ScriptHost;
}

// What the main window hands its pages: long tasks, the dialogs, the plane, the program's one
// expression engine and the program folder.
struct PageContext {
    TaskHost& host;
    Dialogs& dialogs;
    PlaneAccess& plane;
    script::ScriptHost& engine;
    const ProgramFiles& files;
};

}  // namespace zeto
