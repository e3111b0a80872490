#pragma once

#include <QString>

#include <functional>

namespace zeto {

// Hands documents, addresses and programs to the desktop, and says when the desktop could not
// take them: `failed` is called (at once, or once the desktop's opener has given up) when the
// file or program is missing, when the desktop has no opener, or when the opener found
// nothing to open it with.
class Launcher {
  public:
    using Failed = std::function<void()>;

    virtual ~Launcher() = default;
    // Opens a local file path or an address ("https://…", "mailto:…") with the desktop's
    // handler for it.
    virtual void openDocument(const QString& fileOrUrl, const Failed& failed);
    // Starts a program as a new process and does not wait for it.
    virtual void startProgram(const QString& program, const QString& workingFolder,
                              const Failed& failed);
};

}  // namespace zeto
