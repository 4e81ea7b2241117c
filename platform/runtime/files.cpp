#include "files.h"
#include "replacementfile.h"
#include "vberror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void raiseError(VbError::Number number) {
    throw VbError(number);
}

bool folderExists(const QFileInfo& info) {
    return QFileInfo(info.absolutePath()).isDir();
}

bool isReadOnly(const QFileInfo& info) {
    return !(info.permissions() & QFileDevice::WriteOwner);
}

bool isHidden(const QFileInfo& info) {
    return info.fileName().startsWith(QLatin1Char('.'));
}

// A missing entry raises 53, or 76 when its folder is missing too.
QFileInfo requireEntry(const QString& path) {
    QFileInfo info(path);
    if (!info.exists()) raiseError(folderExists(info) ? VbError::FileNotFound : VbError::PathNotFound);
    return info;
}

QFileInfo requireFile(const QString& path) {
    QFileInfo info = requireEntry(path);
    if (!info.isFile()) raiseError(VbError::PathFileAccessError);
    return info;
}

// True when clearing read-only would leave the mode as it is: the owner already writes it and
// the mode holds nothing the permissions below cannot say. Spares a stat and a chmod per
// picture shown through the work file.
bool clearingReadOnlyChangesNothing(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return false;
    const mode_t mode = status.st_mode;
    const mode_t anyExecute = S_IXUSR | S_IXGRP | S_IXOTH;
    // The owner's bits are what the permissions give this user, who is the owner (or root:
    // reading and writing, and running where anyone may).
    return status.st_uid == ::getuid() && (mode & (S_ISUID | S_ISGID | S_ISVTX)) == 0 && (mode & S_IRUSR) &&
           (mode & S_IWUSR) && ((mode & anyExecute) == 0 || (mode & S_IXUSR));
}

// Only * and ? are wildcards: file names may hold [, { or \ as plain characters.
QRegularExpression wildcardExpression(const QString& pattern) {
    const bool anyExtension = pattern.endsWith(QLatin1String(".*"));
    const QString stem = anyExtension ? pattern.chopped(2) : pattern;
    QString expression;
    QString literal;
    const auto flushLiteral = [&] {
        expression += QRegularExpression::escape(literal);
        literal.clear();
    };
    for (const QChar c : stem) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?')) {
            flushLiteral();
            expression += c == QLatin1Char('*') ? QLatin1String(".*") : QLatin1String(".");
        } else {
            literal += c;
        }
    }
    flushLiteral();
    if (anyExtension) expression += QLatin1String("(\\..*)?");
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::DotMatchesEverythingOption);
}
} // namespace

QString Dir(const QString& pathPattern, int attributes) {
    const qsizetype slash = pathPattern.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : pathPattern.left(slash + 1);
    const QString namePattern = pathPattern.mid(slash + 1);
    const QRegularExpression wanted =
        wildcardExpression(namePattern.isEmpty() ? QStringLiteral("*") : namePattern);

    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (!wanted.match(entry.fileName()).hasMatch()) continue;
        if (isHidden(entry) && !(attributes & vbHidden)) continue;
        if (entry.isDir() ? (attributes & vbDirectory) != 0 : entry.isFile()) return entry.fileName();
    }
    return {};
}

int GetAttr(const QString& path) {
    const QFileInfo info = requireEntry(path);
    int attributes = vbNormal;
    if (isReadOnly(info)) attributes |= vbReadOnly;
    if (isHidden(info)) attributes |= vbHidden;
    if (info.isDir()) attributes |= vbDirectory;
    return attributes;
}

void SetAttr(const QString& path, int attributes) {
    if (!(attributes & vbReadOnly) && clearingReadOnlyChangesNothing(path)) return;
    const QFileInfo info = requireEntry(path);
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // Read-only keeps everybody from writing; clearing it gives writing back to the owner only.
    const QFileDevice::Permissions permissions =
        (attributes & vbReadOnly) ? info.permissions() & ~anyWrite
                                  : info.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (!QFile::setPermissions(path, permissions)) raiseError(VbError::PathFileAccessError);
}

void FileCopy(const QString& from, const QString& to) {
    requireFile(from);
    QFile input(from);
    if (!input.open(QIODevice::ReadOnly)) raiseError(VbError::PathFileAccessError);
    ReplacementFile output(to);
    constexpr qint64 blockSize = 1 << 20;
    for (QByteArray block = input.read(blockSize); !block.isEmpty(); block = input.read(blockSize))
        output.write(block);
    if (input.error() != QFileDevice::NoError) raiseError(VbError::PathFileAccessError);
    output.commit();
}

void Name(const QString& from, const QString& to) {
    requireEntry(from);
    const QFileInfo target(to);
    if (!folderExists(target)) raiseError(VbError::PathNotFound);
    if (target.exists() || target.isSymLink()) raiseError(VbError::FileAlreadyExists);
    if (!QDir().rename(from, to)) raiseError(VbError::PathFileAccessError);
}

void renameOver(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw VbError::fromSystemError(errno, to);
}

void Kill(const QString& path) {
    if (isReadOnly(requireFile(path)) || !QFile::remove(path)) raiseError(VbError::PathFileAccessError);
}

qint64 FileLen(const QString& path) {
    return requireFile(path).size();
}

QByteArray ReadFileBytes(const QString& path) {
    requireFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) raiseError(VbError::PathFileAccessError);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) raiseError(VbError::PathFileAccessError);
    return bytes;
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    ReplacementFile file(path);
    file.write(bytes);
    file.commit();
}

void WriteWorkFile(const QString& path, const QByteArray& bytes) {
    // One stat, then the file's own descriptor: the work file is written for every picture shown.
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode) || !(status.st_mode & S_IWUSR)) raiseError(VbError::PathFileAccessError);
    } else if (!folderExists(QFileInfo(path))) {
        raiseError(VbError::PathNotFound);
    }
    const int file = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) raiseError(VbError::PathFileAccessError);
    // Written over in place and then cut to length: truncating first would free the old
    // pages only to take new ones.
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    bool written = true;
    while (left > 0 && written) {
        const ssize_t count = ::write(file, data, size_t(left));
        if (count < 0 && errno == EINTR) continue;
        written = count > 0;
        data += written ? count : 0;
        left -= written ? count : 0;
    }
    written = written && ::ftruncate(file, off_t(bytes.size())) == 0;
    if (::close(file) != 0 && errno != EINTR) written = false;
    if (!written) raiseError(VbError::PathFileAccessError);
}

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    return FileIdentity{quint64(status.st_dev), quint64(status.st_ino)};
}

QStringList processesHolding(const QString& path) {
    QStringList holders;
    const std::optional<FileIdentity> file = fileIdentity(path);
    if (!file) return holders;
    const QString own = QString::number(QCoreApplication::applicationPid());
    for (const QString& process :
         QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (process == own || process.toLongLong() <= 0) continue;
        const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(process));
        // Another user's processes cannot be looked into; they are none of ours.
        for (const QString& descriptor :
             descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (fileIdentity(descriptors.filePath(descriptor)) != file) continue;
            QFile name(QStringLiteral("/proc/%1/comm").arg(process));
            const QString command =
                name.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(name.readAll()).trimmed() : QString();
            holders << QStringLiteral("%1 (process %2)").arg(command, process);
            break;
        }
    }
    return holders;
}

bool canWriteIn(const QString& folder) {
    // The effective ids and rights, as a file created there would get them.
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

FileAccess fileAccess(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    const bool owned = ::stat(name.constData(), &status) == 0 && status.st_uid == ::geteuid();
    return {owned, ::faccessat(AT_FDCWD, name.constData(), R_OK, AT_EACCESS) == 0,
            ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0};
}
