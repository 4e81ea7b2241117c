#pragma once
// Moves the database that an earlier version kept in another folder (the build folder) into the
// program's folder, once. It goes through SQLite, which first rolls back what an interrupted write
// left in its journal, and never from under a running copy of the program or over any file.

#include <QString>

// Where the moved files now are: empty when nothing was moved, or the database had no backup.
struct CarriedOver {
    QString database;
    QString backup;
};

// Moves the database at `from`, and the backup zqjbup.mdb beside it, to `to` and zqjbup.mdb
// beside it. A name that is taken is never written over: the file goes beside it as
// zqj-from-build.mdb (zqjbup-from-build.mdb), or with -2, -3 ... where that is taken too. Raises
// VbError, naming the file, when they cannot be moved whole; both then stay where they were and
// nothing is left at the targets. A `to` that is a link to a missing file is refused.
CarriedOver carryOverDatabase(const QString& from, const QString& to);

// The file that the link at `path` leads to when that is missing (a drive not mounted), or
// empty when `path` is no such link.
QString missingLinkTarget(const QString& path);
