#pragma once

#include <QLockFile>
#include <QString>

namespace radixon {

// Tells whether another copy of the program is running: each copy that starts
// first holds a lock file for the rest of its run. The lock of a copy that died
// without cleaning up counts as free.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    // True when the lock is held by another live process.
    bool anotherCopyRunning() const { return another; }

    static QString defaultLockPath();

private:
    QLockFile lock;
    bool another = false;
};

} // namespace radixon
