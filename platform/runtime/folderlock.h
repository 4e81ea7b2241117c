#pragma once
// An exclusive lock on a folder, held for as long as the object lives: one process at a
// time may hold it. It is the system's advisory lock on the open folder (flock), so the
// system drops it when the holder ends, however it ends: a killed holder never blocks the
// next one. Nothing is written, so a read-only folder can be locked too. Taking it never
// waits.

#include <QString>

class FolderLock {
public:
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // True when another holder has the folder. A folder that cannot be locked at all (not
    // found, or a file system without locks) is not held elsewhere: the lock is then not held.
    bool heldElsewhere() const { return m_heldElsewhere; }
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    bool m_heldElsewhere = false;
};
