#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace radixon {

// Tells whether another copy of the program is running. Every copy that opens its
// main window holds one lock-file slot (radixon-0.lock … radixon-63.lock) for the
// rest of its run; the lock of a copy that died without cleaning up counts as free.
//
// Detection looks at every slot, stopping only at the first live holder: copies
// take the lowest free slot, but copies that end leave holes below later ones, so
// no run of free slots proves the slots above it free. Slots without a file are
// free at the cost of one file-system look-up; only existing files are probed.
class SingleInstance {
public:
    static constexpr int slotCount = 64;

    // Checks at once whether another copy runs; takes no slot.
    explicit SingleInstance(const QString &folder = defaultFolder());

    // True when, at construction, a slot was held by another live process. A folder
    // where no lock can be made at all says nothing about other copies.
    bool anotherCopyRunning() const { return m_another; }

    // Takes the lowest free slot until destruction, so that later copies see this
    // one. Call when the main window opens. False when no slot could be taken; the
    // copy then runs unseen.
    bool claimSlot();

    static QString defaultFolder();

private:
    QString slotPath(int slot) const;

    QString m_folder;
    std::unique_ptr<QLockFile> m_slot;
    bool m_another = false;
};

} // namespace radixon
