#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>

namespace zeto {

QString SingleInstance::defaultLockPath() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = QStringLiteral("user");
    return QDir::temp().filePath(QStringLiteral("zeto-%1.lock").arg(user));
}

SingleInstance::SingleInstance() : SingleInstance(defaultLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath)
    : path_(lockPath), lock_(std::make_unique<QLockFile>(lockPath)) {
    // A running instance keeps its lock however long it runs; only a dead owner frees it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire() {
    if (!held_) held_ = lock_->tryLock(0);
    return held_;
}

}  // namespace zeto
