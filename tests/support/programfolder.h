#pragma once
// A program folder of the test's own: a temporary folder as the program's folder, its own
// settings store, scripted dialogs, and (unless asked otherwise) a new database in it.
// The shared state of the program is reset when it goes.

#include "forms/scripteddialogs.h"

#include <QString>
#include <QTemporaryDir>

class ProgramFolder {
public:
    enum class Database { New, None };
    explicit ProgramFolder(Database database = Database::New);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString databasePath() const { return file(QStringLiteral("zqj.mdb")); }
    ScriptedDialogs& dialogs() const { return *m_dialogs; }

    // Opens the folder's database as the program does at its start.
    void openDatabase() const;

private:
    QTemporaryDir m_dir;
    ScriptedDialogsScope m_dialogs;
};
