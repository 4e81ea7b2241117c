#include "carryover.h"
#include "temporarydatabase.h"

#include "db/connection.h"
#include "runtime/files.h"
#include "runtime/folderlock.h"
#include "runtime/vberror.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <memory>
#include <vector>

namespace {
const QString kBackup = QStringLiteral("zqjbup");
// As the system gives up on a loop of links.
constexpr int kMaxLinks = 40;

// The folder of the file itself, links followed, as a running copy of the program locks it.
QString folderOf(const QString& path) {
    const QFileInfo file(path);
    const QString resolved = file.canonicalFilePath();
    return resolved.isEmpty() ? file.absolutePath() : QFileInfo(resolved).absolutePath();
}

// A link counts as there even when what it leads to is not.
bool taken(const QString& path) {
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

// <folder>/<name>-from-build.mdb for each name, numbered from 2 on where one of them is taken.
QStringList namesOfTheirOwn(const QString& folder, const QStringList& names) {
    for (int n = 1;; ++n) {
        const QString suffix =
            n == 1 ? QStringLiteral("-from-build.mdb") : QStringLiteral("-from-build-%1.mdb").arg(n);
        QStringList paths;
        for (const QString& name : names)
            paths << QDir(folder).filePath(name + suffix);
        if (std::none_of(paths.cbegin(), paths.cend(), taken)) return paths;
    }
}

struct Move {
    QString from;
    QString to;
};

std::unique_ptr<TemporaryDatabase> copyBeside(const Move& move) {
    auto copy = std::make_unique<TemporaryDatabase>(QFileInfo(move.to));
    const std::shared_ptr<Connection> source = Connection::open(move.from);
    Connection::create(copy->path())->replaceContentWith(*source);
    return copy; // both closed: the copy is whole and no journal is left beside the source
}

// All or nothing: every copy is made and put in place before any source is removed.
void moveTogether(const std::vector<Move>& moves) {
    std::vector<std::unique_ptr<TemporaryDatabase>> copies;
    QStringList placed;
    const Move* current = nullptr;
    try {
        for (const Move& move : moves) {
            current = &move;
            copies.push_back(copyBeside(move));
        }
        for (std::size_t i = 0; i < moves.size(); ++i) {
            current = &moves[i];
            copies[i]->placeAtNew(moves[i].to);
            placed << moves[i].to;
        }
    } catch (const VbError& error) {
        for (const QString& path : placed)
            QFile::remove(path);
        const Move& database = moves.front();
        throw VbError(
            error.number(),
            current == &database
                ? QStringLiteral("The database %1 is not moved to %2: %3")
                      .arg(database.from, database.to, error.description())
                : QStringLiteral("The database %1 is not moved: its backup %2 cannot be moved to %3: %4")
                      .arg(database.from, current->from, current->to, error.description()));
    }
    for (const Move& move : moves)
        QFile::remove(move.from);
}
} // namespace

CarriedOver carryOverDatabase(const QString& from, const QString& to) {
    if (!QFileInfo::exists(from)) return {};
    if (const QString linked = missingLinkTarget(to); !linked.isEmpty())
        throw VbError(VbError::PathNotFound,
                      QStringLiteral("The database %1 is not moved: %2 is a link to %3, which is missing.")
                          .arg(from, to, linked));
    const FolderLock source(folderOf(from));
    const FolderLock target(folderOf(to));
    if (source.heldElsewhere() || target.heldElsewhere())
        throw VbError(VbError::PermissionDenied,
                      QStringLiteral("The database %1 is not moved: the program is running. "
                                     "Close it, then try again.")
                          .arg(from));
    const QDir sourceFolder = QFileInfo(from).absoluteDir();
    // A copy whose source stays would be moved again at every run.
    if (!canWriteIn(sourceFolder.path()))
        throw VbError(VbError::PermissionDenied,
                      QStringLiteral("The database %1 is not moved: %2 cannot be written.")
                          .arg(from, sourceFolder.path()));
    const QString backup = sourceFolder.filePath(kBackup + QStringLiteral(".mdb"));
    const bool withBackup = QFileInfo::exists(backup);
    const QString folder = QFileInfo(to).absolutePath();
    CarriedOver moved{to, withBackup ? QDir(folder).filePath(kBackup + QStringLiteral(".mdb")) : QString()};
    if (taken(to)) {
        // The backup keeps the database's name: the one beside `to` is that database's.
        const QString name = QFileInfo(to).completeBaseName();
        const QStringList own =
            namesOfTheirOwn(folder, withBackup ? QStringList{name, kBackup} : QStringList{name});
        moved = {own.constFirst(), withBackup ? own.constLast() : QString()};
    } else if (withBackup && taken(moved.backup)) {
        moved.backup = namesOfTheirOwn(folder, {kBackup}).constFirst();
    }
    std::vector<Move> moves{{from, moved.database}};
    if (withBackup) moves.push_back({backup, moved.backup});
    moveTogether(moves);
    return moved;
}

QString missingLinkTarget(const QString& path) {
    const QFileInfo file(path);
    if (!file.isSymLink() || file.exists()) return {};
    QString target = file.symLinkTarget();
    for (int links = 1; links < kMaxLinks && QFileInfo(target).isSymLink(); ++links)
        target = QFileInfo(target).symLinkTarget();
    return target;
}
