#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace zeto {

// Detects a running instance through a lock file holding the owner's process id. A lock left
// behind by a crashed run names a process that no longer exists and is taken over.
class SingleInstance {
  public:
    // The default lock lives in the user's private runtime folder (the shared temporary folder
    // only where there is none), one per user.
    SingleInstance();
    explicit SingleInstance(const QString& lockPath);
    ~SingleInstance();

    // True when this process now holds the lock (or already did), and also when no lock can
    // be made at all: only a lock held by a running process stops a start.
    bool tryAcquire();
    QString lockPath() const { return path_; }

    // Named after the numeric user id, so that every account on the machine gets its own
    // instance, whatever $USER says and however many users share the temporary folder.
    static QString defaultLockPath();

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

}  // namespace zeto
