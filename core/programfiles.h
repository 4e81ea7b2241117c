#pragma once
// The program's own files in its folder: the databases (zqj.mdb, the compaction's zqj1.mdb and
// zqjbup.mdb) with the journals SQLite keeps beside them, and the work files zqj.pic and
// zqjtemp.bmp. A save over one of them would destroy the user's sets or the program's work, so
// every save of the user's checks its target here first.

#include <QString>

// Raises error 75 naming the program's file when `path` is one of them, by any path or link to
// it: its folder as the file system resolves it, or the same file (device and inode).
void refuseProgramFile(const QString& path);
