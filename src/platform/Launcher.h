#pragma once

#include <QString>

namespace zeto {

// Hands documents, addresses and programs to the desktop. Nothing it does reports back:
// a missing page, browser or program simply has no effect inside the program.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Opens a local file path or an address ("https://…", "mailto:…") with the desktop's
    // handler for it.
    virtual void openDocument(const QString& fileOrUrl);
    // Starts a program as a new process and does not wait for it.
    virtual void startProgram(const QString& program, const QString& workingFolder);
};

}  // namespace zeto
