#include "main_window/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace radixon {

namespace {

std::unique_ptr<QLockFile> slotLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its process is gone, never by age.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder) : m_folder(folder)
{
    for (int slot = 0; slot < slotCount && !m_another; ++slot) {
        const QString path = slotPath(slot);
        if (!QFileInfo::exists(path))
            continue;
        // Probing by tryLock gives QLockFile's own judgement of a dead or reused
        // process id and clears a stale file; reading the lock info instead would
        // mean redoing that judgement here. The probe is released at once.
        const std::unique_ptr<QLockFile> probe = slotLock(path);
        if (probe->tryLock(0))
            probe->unlock();
        else // only a lock held by a live process means another copy
            m_another = probe->error() == QLockFile::LockFailedError;
    }
}

bool SingleInstance::claimSlot()
{
    for (int slot = 0; slot < slotCount && !m_slot; ++slot) {
        std::unique_ptr<QLockFile> lock = slotLock(slotPath(slot));
        if (lock->tryLock(0))
            m_slot = std::move(lock);
        else if (lock->error() != QLockFile::LockFailedError)
            return false; // no lock can be made in this folder at all
    }
    return bool(m_slot);
}

QString SingleInstance::slotPath(int slot) const
{
    return QDir(m_folder).filePath(QStringLiteral("radixon-%1.lock").arg(slot));
}

QString SingleInstance::defaultFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace radixon
