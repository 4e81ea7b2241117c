#pragma once
// A new file that replaces its target only once it is whole: it is written under a temporary name
// in the target's folder and renamed over the target by commit. Until then the target is untouched;
// a replacement that is not committed is removed. A replaced file's permission bits pass to the new
// file, and on request its access and modification times (a creation time cannot be set here).
// Nothing is synced to disk: the rename alone keeps the old file until the new one is whole.
// The temporaries are hidden files named ".zqj-" and 16 hex digits ".tmp", each locked (flock)
// while its replacement lives; those that a killed program left behind are unlocked and can be
// removed by name, with the journal that SQLite may have left beside one ("-journal").
// Failures raise the runtime's file errors, naming the target, never the temporary: 76 when the
// folder is missing, 75 when the target is read-only or not a file, and what the system said
// (VbError::fromSystemError: 61 disk full, 70 permission denied, ...) when the new file cannot
// be made, written or renamed.

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <optional>

class ReplacementFile {
public:
    enum class Keep { Permissions, PermissionsAndTimes };
    explicit ReplacementFile(const QString& target, Keep keep = Keep::Permissions);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Where the new file stands until it is committed.
    const QString& temporaryPath() const { return m_temporary; }
    // Appends to the new file.
    void write(const QByteArray& bytes);
    void commit();

    // Raises what a replacement in the folder would meet: 76 when it is no folder, the system's
    // error when it takes no new file (tried for real: permission bits do not bind every user).
    // The description names no file; the caller names the folder.
    static void requireWritableFolder(const QString& folder);
    // Removes the temporaries that replacements never committed or removed (the program was
    // killed) from the folder; other files, and the temporaries of replacements at work in any
    // copy of the program, are left alone. Called once by each operation that makes temporaries
    // in a folder, before it makes them.
    static void removeLeftovers(const QString& folder);

private:
    struct Replaced {
        QFileDevice::Permissions permissions;
        QDateTime lastRead;
        QDateTime lastModified;
    };
    [[noreturn]] void raiseWriteError(int systemError) const;
    void closeTemporary();

    QString m_target;
    QString m_temporary;
    int m_descriptor = -1;
    std::optional<Replaced> m_replaced;
    Keep m_keep;
    bool m_committed = false;
};
