#include "createdatabase.h"

#include "cardtables.h"
#include "db/connection.h"
#include "runtime/vberror.h"
#include "seedpictures.h"
#include "temporarydatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSource = QStringLiteral("createDatabase");

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
        storeCardTablesApart(*db);
        db->execute(expandPictures(resourceText(QStringLiteral(":/database/seed.sql"))));
        db->execute(QStringLiteral("COMMIT"));
    } // closed before the move, so the journal is gone
    temporary.placeAt(target.absoluteFilePath());
}
