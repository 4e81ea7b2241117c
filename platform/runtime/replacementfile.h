#pragma once
// A new file that replaces its target only once it is whole: it is written under a temporary name
// in the target's folder and renamed over the target by commit. Until then the target is untouched;
// a replacement that is not committed is removed. A replaced file's permission bits pass to the new
// file, and on request its access and modification times (a creation time cannot be set here).
// Nothing is synced to disk: the rename alone keeps the old file until the new one is whole.
// Failures raise the runtime's file errors: 76 when the folder is missing, 75 when the target is
// read-only or not a file, or the new file cannot be made or renamed.

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

    // Where the new file is to be written.
    const QString& temporaryPath() const { return m_temporary; }
    void commit();

private:
    struct Replaced {
        QFileDevice::Permissions permissions;
        QDateTime lastRead;
        QDateTime lastModified;
    };

    QString m_target;
    QString m_temporary;
    std::optional<Replaced> m_replaced;
    Keep m_keep;
    bool m_committed = false;
};
