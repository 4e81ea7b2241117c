#include "temporarydatabase.h"

#include "runtime/vberror.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {
[[noreturn]] void raiseNotWritten(const QString& target) {
    throw VbError(VbError::PathFileAccessError,
                  QStringLiteral("Path/File access error: %1 cannot be written.").arg(target));
}

QString temporaryName(const QFileInfo& target, const QString& unique) {
    return QStringLiteral("%1.%2.tmp").arg(target.fileName(), unique);
}
} // namespace

TemporaryDatabase::TemporaryDatabase(const QFileInfo& target)
    : m_path(
          target.absoluteDir().filePath(temporaryName(target, QUuid::createUuid().toString(QUuid::Id128)))) {}

void TemporaryDatabase::removeLeftovers(const QFileInfo& target) {
    const QDir folder = target.absoluteDir();
    const QString pattern = temporaryName(target, QStringLiteral("*"));
    for (const QString& name :
         folder.entryList({pattern, pattern + QStringLiteral("-journal")}, QDir::Files | QDir::Hidden))
        QFile::remove(folder.filePath(name));
}

TemporaryDatabase::~TemporaryDatabase() {
    remove();
}

void TemporaryDatabase::remove() {
    if (m_placed) return;
    QFile::remove(m_path);
    QFile::remove(m_path + QStringLiteral("-journal"));
}

void TemporaryDatabase::placeAt(const QString& target) {
    if (std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) != 0)
        raiseNotWritten(target);
    m_placed = true;
}

void TemporaryDatabase::placeAtNew(const QString& target) {
    // A hard link fails when the name is taken, where a rename would replace it.
    if (::link(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) != 0) {
        if (errno == EEXIST)
            throw VbError(VbError::FileAlreadyExists, QStringLiteral("%1 is already there.").arg(target));
        raiseNotWritten(target);
    }
    QFile::remove(m_path);
    m_placed = true;
}
