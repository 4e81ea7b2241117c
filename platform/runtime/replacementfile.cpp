#include "replacementfile.h"
#include "vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdio>

namespace {
// Opened as a new file, so it gets the permissions the user gives new files.
QString createTemporary(const QString& folder) {
    constexpr int attempts = 16;
    for (int i = 0; i < attempts; ++i) {
        const QString name = QDir(folder).filePath(QStringLiteral(".%1.tmp").arg(
            QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return name;
        // Anything but a clash of names means the folder takes no new files.
        if (!QFileInfo::exists(name)) break;
    }
    throw VbError(VbError::PathFileAccessError);
}
} // namespace

ReplacementFile::ReplacementFile(const QString& target, Keep keep) : m_target(target), m_keep(keep) {
    const QFileInfo info(target);
    if (!QFileInfo(info.absolutePath()).isDir()) throw VbError(VbError::PathNotFound);
    if (info.exists()) {
        // Renaming over a read-only file would work; the runtime refuses it everywhere else too.
        if (!info.isFile() || !(info.permissions() & QFileDevice::WriteOwner))
            throw VbError(VbError::PathFileAccessError);
        m_replaced = Replaced{info.permissions(), info.lastRead(), info.lastModified()};
    }
    m_temporary = createTemporary(info.absolutePath());
}

ReplacementFile::~ReplacementFile() {
    if (!m_committed) QFile::remove(m_temporary);
}

void ReplacementFile::commit() {
    if (m_replaced) {
        // A file that cannot be opened keeps the times of its writing.
        QFile file(m_temporary);
        if (m_keep == Keep::PermissionsAndTimes && file.open(QIODevice::ReadWrite)) {
            file.setFileTime(m_replaced->lastRead, QFileDevice::FileAccessTime);
            file.setFileTime(m_replaced->lastModified, QFileDevice::FileModificationTime);
        }
        if (!QFile::setPermissions(m_temporary, m_replaced->permissions))
            throw VbError(VbError::PathFileAccessError);
    }
    // rename() replaces the target in one step.
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0)
        throw VbError(VbError::PathFileAccessError);
    m_committed = true;
}
