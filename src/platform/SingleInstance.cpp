#include "platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace zeto {

QString SingleInstance::defaultLockPath() {
    const QString name = QStringLiteral("zeto-%1.lock").arg(::getuid());
    // The user's runtime folder is private to the user (mode 0700): nobody else can put a lock
    // there first and keep the program from starting, as they could in the shared temp folder.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(name);
    return QDir::temp().filePath(name);
}

SingleInstance::SingleInstance() : SingleInstance(defaultLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath)
    : path_(lockPath), lock_(std::make_unique<QLockFile>(lockPath)) {
    // A running instance keeps its lock however long it runs; only a dead owner frees it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire() {
    if (held_) return true;
    held_ = lock_->tryLock(0);
    // A temporary folder the program may not write to says nothing about another instance;
    // refusing there would lock the user out of the program for good.
    return held_ || lock_->error() != QLockFile::LockFailedError;
}

}  // namespace zeto
