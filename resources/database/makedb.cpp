// zqj_makedb <path>: makes a new program database at path unless a file is already there,
// so building again never touches the user's database.

#include "createdatabase.h"
#include "runtime/vberror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: zqj_makedb <path of the new database>\n", stderr);
        return 2;
    }
    const QString& path = arguments.at(1);
    if (QFileInfo::exists(path)) return 0;
    try {
        createDatabase(path);
    } catch (const VbError& error) {
        std::fprintf(stderr, "zqj_makedb: %s: %s\n", qUtf8Printable(path), error.what());
        return 1;
    }
    return 0;
}
