#include "files.h"
#include "replacementfile.h"
#include "vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
    const QFileInfo info(path);
    if (!folderExists(info)) raiseError(VbError::PathNotFound);
    if (info.exists() && (!info.isFile() || isReadOnly(info))) raiseError(VbError::PathFileAccessError);
    // Written over in place and then cut to length: truncating first would free the old
    // pages only to take new ones.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.write(bytes) != bytes.size() || !file.resize(bytes.size()) ||
        !file.flush())
        raiseError(VbError::PathFileAccessError);
}
