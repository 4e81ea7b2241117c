#pragma once
// The program's own files in its folder: the databases (zqj.mdb, the compaction's zqj1.mdb and
// zqjbup.mdb) with the journals SQLite keeps beside them, and the work files zqj.pic and
// zqjtemp.bmp. A save over one of them would destroy the user's sets or the program's work, so
// every save of the user's checks its target here first.

#include "runtime/files.h"

#include <QString>
#include <functional>
#include <vector>

// The program's files and the folder the saves go to, resolved when it is made: a batch, whose
// folder and program files cannot change while it runs, then checks each file by itself alone.
class ProgramFileCheck {
public:
    explicit ProgramFileCheck(const QString& folder);

    // Raises error 75 naming the program's file when the file `name` of the folder is one of
    // them, by any path or link to it: its folder as the file system resolves it, or the same
    // file (device and inode).
    void refuse(const QString& name) const;

    // Test hook: called with each path the checks look up on the file system; an empty
    // observer ends it.
    static void setLookupObserver(std::function<void(const QString& path)> observer);

private:
    struct OwnFile {
        QString name;
        FileIdentity identity;
    };
    QString m_programFolder;
    QString m_folder;
    std::vector<OwnFile> m_existing; // those there when the check was made
};

// The check of a single save.
void refuseProgramFile(const QString& path);
