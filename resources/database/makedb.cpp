// zqj_makedb <path> [<earlier path>]: makes a new program database at path unless a file is
// already there, so building again never touches the user's database. A database that an earlier
// version kept at the earlier path is moved to path first when none is there.

#include "carryover.h"
#include "createdatabase.h"
#include "runtime/vberror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {
// Says what it did, or why it moved nothing; the messages name the files.
bool carryOver(const QString& earlier, const QString& path) {
    try {
        if (carryOverDatabase(earlier, path))
            std::fprintf(stderr, "zqj_makedb: moved %s to %s\n", qUtf8Printable(earlier),
                         qUtf8Printable(path));
        else if (QFileInfo::exists(earlier))
            std::fprintf(stderr, "zqj_makedb: %s is left where it is: %s is already there\n",
                         qUtf8Printable(earlier), qUtf8Printable(path));
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
