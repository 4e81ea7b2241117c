#pragma once
// The runtime's file functions on Linux. The old platform's attributes map onto the file system:
// read-only is the owner's write bit missing, hidden is a leading dot in the name (which SetAttr
// cannot change); there is no system or archive bit. Failures raise VbError with the runtime's
// numbers: 53 file not found, 76 path not found (the folder is missing), 75 path/file access
// error, 58 file already exists; a write that the system refuses raises what it said (61 disk
// full, 70 permission denied, see VbError::fromSystemError) naming the file. Paths use '/' and
// names match case-sensitively, as the file system does.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

constexpr int vbNormal = 0;
constexpr int vbReadOnly = 1;
constexpr int vbHidden = 2;
constexpr int vbSystem = 4;
constexpr int vbDirectory = 16;
constexpr int vbArchive = 32;

// The name (without folder) of the first entry, in name order, that matches the pattern's last
// part, or "" when none does. Only * and ? are wildcards; a final ".*" also matches a name without
// an extension. Hidden entries need vbHidden, folders vbDirectory.
QString Dir(const QString& pathPattern, int attributes = vbNormal);

int GetAttr(const QString& path);
// Sets or clears read-only; the other attributes cannot be set and are ignored.
void SetAttr(const QString& path, int attributes);

// Copies over an existing target unless that one is read-only.
void FileCopy(const QString& from, const QString& to);
// Renames or moves a file or folder; the target must not exist.
void Name(const QString& from, const QString& to);
// Renames a file over an existing one in one step, so that the target is never missing; the
// system's error names the target.
void renameOver(const QString& from, const QString& to);
// Deletes a file; a read-only file is refused.
void Kill(const QString& path);
qint64 FileLen(const QString& path);

// The whole file.
QByteArray ReadFileBytes(const QString& path);
// Creates or replaces the file; a failed write leaves the previous file as it was.
void WriteFileBytes(const QString& path, const QByteArray& bytes);
// Creates or overwrites a work file in place, whole: cheaper than a replacement, but a
// failed write may leave it partly written.
void WriteWorkFile(const QString& path, const QByteArray& bytes);

// What names one file whatever path reaches it: its device and inode. Two paths with the same
// identity are one file, also through a hard link or a name in another case on a file system
// that ignores case.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The identity of the file at `path`, links followed; none when it is missing.
std::optional<FileIdentity> fileIdentity(const QString& path);

// The other processes of this user that hold the file at `path` open, as "name (process id)":
// a file renamed under them would stay theirs.
QStringList processesHolding(const QString& path);

// Whether this process may create and delete files in the folder.
bool canWriteIn(const QString& folder);

// What this process may do with a file: only its owner may change its mode.
struct FileAccess {
    bool owned = false;
    bool readable = false;
    bool writable = false;
};
FileAccess fileAccess(const QString& path);
