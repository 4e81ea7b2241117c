#include "createdatabase.h"

#include "cardindexes.h"
#include "db/connection.h"
#include "runtime/vberror.h"
#include "seedpictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cstdio>

namespace {

const QString kSource = QStringLiteral("createDatabase");

// A database file under a name of its own, removed with its journal unless it was put in place.
class TemporaryDatabase {
public:
    explicit TemporaryDatabase(const QFileInfo& target)
        : m_path(target.absoluteDir().filePath(
              QStringLiteral("%1.%2.tmp")
                  .arg(target.fileName(), QUuid::createUuid().toString(QUuid::Id128)))) {}
    ~TemporaryDatabase() {
        if (m_placed) return;
        QFile::remove(m_path);
        QFile::remove(m_path + QStringLiteral("-journal"));
    }
    TemporaryDatabase(const TemporaryDatabase&) = delete;
    TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

    const QString& path() const { return m_path; }

    // Replaces whatever is at target in one step.
    void placeAt(const QString& target) {
        if (std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) != 0)
            throw VbError(VbError::PathFileAccessError,
                          QStringLiteral("Path/File access error: %1 cannot be written.").arg(target),
                          kSource);
        m_placed = true;
    }

private:
    QString m_path;
    bool m_placed = false;
};

QString resourceText(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) throw VbError(VbError::FileNotFound, {}, kSource);
    return QString::fromUtf8(file.readAll());
}

} // namespace

void createDatabase(const QString& path) {
    const QFileInfo target(path);
    if (!target.absoluteDir().exists()) throw VbError(VbError::PathNotFound, {}, kSource);

    TemporaryDatabase temporary(target);
    {
        const std::shared_ptr<Connection> db = Connection::create(temporary.path());
        db->execute(QStringLiteral("BEGIN"));
        db->execute(resourceText(QStringLiteral(":/database/schema.sql")));
        db->execute(cardIndexStatements());
        db->execute(expandPictures(resourceText(QStringLiteral(":/database/seed.sql"))));
        db->execute(QStringLiteral("COMMIT"));
    } // closed before the move, so the journal is gone
    temporary.placeAt(target.absoluteFilePath());
}
