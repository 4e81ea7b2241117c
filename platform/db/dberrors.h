#pragma once
// Error numbers of the database layer, beside the runtime's own (3021 no current row,
// 3251 read-only or not supported, 3265 no such field, 6 overflow, 13 type mismatch).

#include "runtime/vberror.h"

#include <QString>

struct sqlite3;

namespace DbError {
// Anything SQLite refuses (syntax, unknown table, not a database, a failed write); the
// description is SQLite's own message. The number is the one the classic engine gave.
inline constexpr int Engine = -2147467259;
// A key or a computed column was assigned.
inline constexpr int NotUpdatable = 3164;
// A Find or Filter criterion that is not "Name = value".
inline constexpr int BadCriterion = 3001;
// create() was given a file that already exists.
inline constexpr int FileExists = 58;

// An Engine error that keeps SQLite's result code, so that a lock or a file that cannot be
// written can be told from a broken one. Where the code tells the cause, it is shown in words.
// The database file it came from, where known, is named in those words: the folder that cannot be
// written or whose disk is full.
class EngineError : public VbError {
public:
    EngineError(int resultCode, const QString& message, const QString& databaseFile = {});
    int resultCode() const { return m_resultCode; }
    const QString& databaseFile() const { return m_databaseFile; }

private:
    int m_resultCode;
    QString m_databaseFile;
};

// Why the database refused: another connection holds its lock past the wait, it cannot be
// written (a read-only file or folder), no room is left for it, the file is damaged, the file is
// no database at all, or anything else. SQLite reports some damage as a full disk: only an
// integrity check tells them apart.
enum class Cause { Locked, ReadOnly, Full, Damaged, NotADatabase, Other };
Cause causeOf(const VbError& error);
// The cause in words, to follow a colon ("the database is in use by another program"); empty
// for an error of no known cause.
QString reasonOf(const VbError& error);

// resultCode is SQLite's (extended) result code; a generic error when not given.
[[noreturn]] void raiseEngine(const QString& message, int resultCode = 1, const QString& databaseFile = {});
[[noreturn]] void raiseLastError(sqlite3* db);
// The file of the connection's main database; empty for one in memory.
QString databaseFileOf(sqlite3* db);
// An Engine error for a file found damaged, as SQLite's own would be.
[[noreturn]] void raiseDamaged(const QString& message);
} // namespace DbError
