#include "carryover.h"
#include "temporarydatabase.h"

#include "db/connection.h"
#include "runtime/folderlock.h"
#include "runtime/vberror.h"

#include <QFile>

namespace {
const QString kBackup = QStringLiteral("/zqjbup.mdb");

// The folder of the file itself, links followed, as a running copy of the program locks it.
QString folderOf(const QString& path) {
    const QFileInfo file(path);
    const QString resolved = file.canonicalFilePath();
    return resolved.isEmpty() ? file.absolutePath() : QFileInfo(resolved).absolutePath();
}

void moveDatabase(const QString& from, const QString& to) {
    try {
        TemporaryDatabase copy{QFileInfo(to)};
        {
            const std::shared_ptr<Connection> source = Connection::open(from);
            Connection::create(copy.path())->replaceContentWith(*source);
        } // both closed: the copy is whole and no journal is left beside the source
        copy.placeAtNew(to);
    } catch (const VbError& error) {
        throw VbError(
            error.number(),
            QStringLiteral("The database %1 is not moved to %2: %3").arg(from, to, error.description()));
    }
    QFile::remove(from);
}
} // namespace

bool carryOverDatabase(const QString& from, const QString& to) {
    if (!QFileInfo::exists(from) || QFileInfo::exists(to)) return false;
    const FolderLock source(folderOf(from));
    const FolderLock target(folderOf(to));
    if (source.heldElsewhere() || target.heldElsewhere())
        throw VbError(VbError::PermissionDenied,
                      QStringLiteral("The database %1 is not moved: the program is running. "
                                     "Close it, then try again.")
                          .arg(from));
    moveDatabase(from, to);
    const QString backup = QFileInfo(from).absolutePath() + kBackup;
    if (QFileInfo::exists(backup)) moveDatabase(backup, QFileInfo(to).absolutePath() + kBackup);
    return true;
}
