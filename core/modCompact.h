#pragma once
// The start counter and the reminder to compact the database, and the compaction itself. Both run
// at the start, after zqj.mdb was found and before the program's connection holds it; another
// program may hold it all the same.
//
// The database file is only ever read and written through SQLite: the backup (zqjbup.mdb) is a
// checked copy that SQLite made after rolling back any unfinished transaction, the compaction is
// SQLite's VACUUM on the database itself (so another program's connection goes on working on the
// compacted file), and a restore copies a backup that passes the integrity check and holds every
// table into the database through the backup API.

#include <functional>

// Counts the start; once the count has reached 20, asks whether to compact and does as answered.
void CheckCompactReminder();
// Compacts zqj.mdb, or reports why it could not; the backup is offered only when zqj.mdb fails its
// integrity check after the failure. A database found damaged before any backup was made is
// raised as a damaged database's error, for the start to report. True when it compacted.
bool CompactDatabase();

// The steps of a compaction, in their order.
enum class CompactStep { RemoveOldCopy, Backup, Compact, RemoveBackup };
// Test hook: called before each step; an error it raises fails that step. An empty one ends it.
void setCompactStepObserver(std::function<void(CompactStep)> observer);
