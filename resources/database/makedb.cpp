// zqj_makedb <path> [<earlier path>]: makes a new program database at path unless a file is
// already there, so building again never touches the user's database. A database that an earlier
// version kept at the earlier path is moved beside path, to path itself when none is there, so
// that the earlier folder holds no database afterwards.

#include "carryover.h"
#include "createdatabase.h"
#include "runtime/vberror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
const QString kBackup = QStringLiteral("zqjbup.mdb");

// Says where a moved file now is, and why when it is not at its usual path.
void tellMoved(const QString& from, const QString& to, const QString& usual) {
    const QFileInfo there(usual);
    if (to != usual && (there.exists() || there.isSymLink()))
        std::fprintf(stderr, "zqj_makedb: moved %s to %s, as %s is already there\n", qUtf8Printable(from),
                     qUtf8Printable(to), qUtf8Printable(usual));
    else
        std::fprintf(stderr, "zqj_makedb: moved %s to %s\n", qUtf8Printable(from), qUtf8Printable(to));
}

// Says what it did, or why it moved nothing; the messages name the files.
bool carryOver(const QString& earlier, const QString& path) {
    try {
        const CarriedOver moved = carryOverDatabase(earlier, path);
        if (moved.database.isEmpty()) return true;
        tellMoved(earlier, moved.database, path);
        if (moved.database != path)
            std::fprintf(stderr,
                         "zqj_makedb: to use the sets in %s, close the program, move %s away and rename "
                         "%s to %s\n",
                         qUtf8Printable(moved.database), qUtf8Printable(path), qUtf8Printable(moved.database),
                         qUtf8Printable(QFileInfo(path).fileName()));
        if (!moved.backup.isEmpty())
            tellMoved(QFileInfo(earlier).absoluteDir().filePath(kBackup), moved.backup,
                      QFileInfo(path).absoluteDir().filePath(kBackup));
        return true;
    } catch (const VbError& error) {
        std::fprintf(stderr, "zqj_makedb: %s\n", qUtf8Printable(error.description()));
        return false;
    }
}
} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        std::fputs("usage: zqj_makedb <path of the new database> [<path of an earlier database>]\n", stderr);
        return 2;
    }
    const QString& path = arguments.at(1);
    // A new database in place of the link would hide the sets on the drive it leads to.
    if (const QString linked = missingLinkTarget(path); !linked.isEmpty()) {
        std::fprintf(stderr,
                     "zqj_makedb: %s is a link to %s, which is missing (is its drive mounted?); nothing is "
                     "made or moved there. Make %s reachable or change the link, then start again.\n",
                     qUtf8Printable(path), qUtf8Printable(linked), qUtf8Printable(linked));
        return 1;
    }
    if (arguments.size() == 3 && !carryOver(arguments.at(2), path)) return 1;
    if (QFileInfo::exists(path)) return 0;
    try {
        createDatabase(path);
    } catch (const VbError& error) {
        std::fprintf(stderr, "zqj_makedb: %s: %s\n", qUtf8Printable(path), error.what());
        return 1;
    }
    return 0;
}
