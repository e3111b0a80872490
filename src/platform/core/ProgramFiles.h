#pragma once

#include <QString>

namespace zeto {

// Resolves the program's fixed file names ("\data\out.kvt", "\DATA\G.kvt", "\help\index.htm")
// under the program folder: backslashes become '/', and each path component is matched
// without regard to letter case, so the names work on a case-sensitive file system.
class ProgramFiles {
  public:
    // Uses the folder of the running executable.
    ProgramFiles();
    explicit ProgramFiles(const QString& folder);

    QString folder() const { return folder_; }
    // The existing file whose path matches `name`, or the plain joined path when none does.
    QString path(const QString& name) const;
    bool exists(const QString& name) const;

  private:
    QString folder_;
};

}  // namespace zeto
