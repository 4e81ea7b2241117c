#pragma once
// Moves the database that an earlier version kept in another folder (the build folder) into the
// program's folder, once. It goes through SQLite, which first rolls back what an interrupted write
// left in its journal, and never from under a running copy of the program or over a database.

#include <QString>

// Moves the database at `from`, and the backup zqjbup.mdb beside it, to `to` when a file is at
// `from` and none at `to`; returns whether it moved it. Raises VbError, naming `from`, when it
// cannot be moved whole; the database then stays where it was.
bool carryOverDatabase(const QString& from, const QString& to);
