#include "main_window/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace radixon {

SingleInstance::SingleInstance(const QString &lockPath) : lock(lockPath)
{
    // A lock is stale only when its process is gone, never by age.
    lock.setStaleLockTime(0);
    // Only a lock held by a live process means another copy; a folder where no lock
    // can be made at all says nothing about other copies.
    another = !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("radixon.lock"));
}

} // namespace radixon
