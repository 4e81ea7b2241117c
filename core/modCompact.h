#pragma once
// The start counter and the reminder to compact the database, and the compaction itself. Both run
// at the start, after zqj.mdb was found and before any connection holds it.
//
// The compaction never leaves the program without its database: zqj.mdb is replaced, in one
// rename, only by a compacted copy (zqj1.mdb) that was checked against it, and a restore puts the
// backup (zqjbup.mdb) in its place only when that backup was copied whole.

#include <functional>

// Counts the start; once the count has reached 20, asks whether to compact and does as answered.
void CheckCompactReminder();
// Compacts zqj.mdb, or reports why it could not and offers the backup.
void CompactDatabase();

// The steps of a compaction, in their order.
enum class CompactStep { RemoveOldCopy, Backup, Compact, CheckCopy, ReplaceDatabase, RemoveBackup };
// Test hook: called before each step; an error it raises fails that step. An empty one ends it.
void setCompactStepObserver(std::function<void(CompactStep)> observer);
