#include "replacementfile.h"
#include "files.h"
#include "vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// Specific enough that no file of the user's is taken for one of ours.
const QString kTemporaryPrefix = QStringLiteral(".zqj-");
const QString kTemporarySuffix = QStringLiteral(".tmp");
// SQLite keeps its journal beside a temporary that it writes a database into.
const QString kJournalSuffix = QStringLiteral("-journal");
constexpr int kTemporaryDigits = 16;

struct Temporary {
    QString path;
    int descriptor;
};

// Opened as a new file, so it gets the permissions the user gives new files. Raises the system's
// error, naming `named`.
Temporary createTemporary(const QString& folder, const QString& named) {
    constexpr int attempts = 16;
    for (int i = 0; i < attempts; ++i) {
        const QString path =
            QDir(folder).filePath(kTemporaryPrefix +
                                  QStringLiteral("%1").arg(QRandomGenerator::global()->generate64(),
                                                           kTemporaryDigits, 16, QLatin1Char('0')) +
                                  kTemporarySuffix);
        const int descriptor =
            ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            // Held until the descriptor closes, also when the program is killed: it tells a
            // replacement at work from a leftover.
            ::flock(descriptor, LOCK_EX | LOCK_NB);
            return {path, descriptor};
        }
        if (errno != EEXIST) throw VbError::fromSystemError(errno, named);
    }
    throw VbError::forFile(VbError::PathFileAccessError, named);
}

// Whether a replacement, of this program or of another copy of it, still holds the temporary.
bool inUse(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0) return false;
    const bool locked = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return locked;
}

bool folderExists(const QString& folder) {
    return QFileInfo(folder).isDir();
}
} // namespace

ReplacementFile::ReplacementFile(const QString& target, Keep keep) : m_target(target), m_keep(keep) {
    const QFileInfo info(target);
    if (!folderExists(info.absolutePath())) throw VbError::forFile(VbError::PathNotFound, target);
    if (info.exists()) {
        // Renaming over a read-only file would work; the runtime refuses it everywhere else too.
        if (!info.isFile() || !(info.permissions() & QFileDevice::WriteOwner))
            throw VbError::forFile(VbError::PathFileAccessError, target);
        m_replaced = Replaced{info.permissions(), info.lastRead(), info.lastModified()};
    }
    const Temporary temporary = createTemporary(info.absolutePath(), target);
    m_temporary = temporary.path;
    m_descriptor = temporary.descriptor;
}

ReplacementFile::~ReplacementFile() {
    if (m_descriptor >= 0) ::close(m_descriptor);
    if (!m_committed) QFile::remove(m_temporary);
}

void ReplacementFile::write(const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_descriptor, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            raiseWriteError(errno);
        }
        data += written;
        left -= written;
    }
}

void ReplacementFile::raiseWriteError(int systemError) const {
    throw VbError::fromSystemError(systemError, m_target);
}

void ReplacementFile::closeTemporary() {
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    // Some file systems report a full disk only here.
    if (::close(descriptor) != 0 && errno != EINTR) raiseWriteError(errno);
}

void ReplacementFile::commit() {
    closeTemporary();
    if (m_replaced) {
        // A file that cannot be opened keeps the times of its writing.
        QFile file(m_temporary);
        if (m_keep == Keep::PermissionsAndTimes && file.open(QIODevice::ReadWrite)) {
            file.setFileTime(m_replaced->lastRead, QFileDevice::FileAccessTime);
            file.setFileTime(m_replaced->lastModified, QFileDevice::FileModificationTime);
        }
        if (!QFile::setPermissions(m_temporary, m_replaced->permissions))
            throw VbError::forFile(VbError::PathFileAccessError, m_target);
    }
    renameOver(m_temporary, m_target);
    m_committed = true;
}

void ReplacementFile::requireWritableFolder(const QString& folder) {
    if (!folderExists(folder)) throw VbError(VbError::PathNotFound);
    const Temporary probe = createTemporary(folder, QString());
    ::close(probe.descriptor);
    QFile::remove(probe.path);
}

void ReplacementFile::removeLeftovers(const QString& folder) {
    static const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kTemporaryPrefix) + QStringLiteral("[0-9a-f]{%1}").arg(kTemporaryDigits) +
        QRegularExpression::escape(kTemporarySuffix) +
        QStringLiteral("(%1)?").arg(QRegularExpression::escape(kJournalSuffix))));
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = ours.match(name);
        if (!match.hasMatch()) continue;
        const QString path = dir.filePath(name);
        // A journal goes with its temporary.
        if (!inUse(path.chopped(match.capturedLength(1)))) QFile::remove(path);
    }
}
