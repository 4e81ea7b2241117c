#include "dberrors.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace DbError {
EngineError::EngineError(int resultCode, const QString& message, const QString& databaseFile)
    : VbError(Engine, message, QStringLiteral("SQLite")), m_resultCode(resultCode),
      m_databaseFile(databaseFile) {
    const QString reason = reasonOf(*this);
    if (!reason.isEmpty()) setWords(reason.left(1).toUpper() + reason.mid(1) + QLatin1Char('.'));
}

Cause causeOf(const VbError& error) {
    const auto* engine = dynamic_cast<const EngineError*>(&error);
    if (!engine) return Cause::Other;
    switch (engine->resultCode() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Cause::Locked;
    case SQLITE_READONLY:
        return Cause::ReadOnly;
    case SQLITE_FULL:
        return Cause::Full;
    case SQLITE_CORRUPT:
        return Cause::Damaged;
    case SQLITE_NOTADB:
        return Cause::NotADatabase;
    default:
        return Cause::Other;
    }
}

QString reasonOf(const VbError& error) {
    const auto* engine = dynamic_cast<const EngineError*>(&error);
    const QString file = engine ? engine->databaseFile() : QString();
    const QString folder = QFileInfo(file).absolutePath();
    switch (causeOf(error)) {
    case Cause::Locked:
        return QStringLiteral("the database is in use by another program");
    case Cause::ReadOnly:
        if (file.isEmpty()) return QStringLiteral("the database or its folder cannot be written");
        // SQLite tells a folder in which it cannot make its journal from a file it cannot write.
        if (engine->resultCode() == SQLITE_READONLY_DIRECTORY)
            return QStringLiteral("the folder %1 of the database cannot be written").arg(folder);
        return QStringLiteral("the database %1 or its folder cannot be written").arg(file);
    case Cause::Full:
        if (file.isEmpty()) return QStringLiteral("the disk is full");
        return QStringLiteral("the disk that holds the folder %1 is full").arg(folder);
    case Cause::Damaged:
        return QStringLiteral("the database file is damaged");
    case Cause::NotADatabase:
        return QStringLiteral("the file is not a database");
    case Cause::Other:
        break;
    }
    return {};
}

void raiseEngine(const QString& message, int resultCode, const QString& databaseFile) {
    throw EngineError(resultCode, message, databaseFile);
}

void raiseDamaged(const QString& message) {
    raiseEngine(message, SQLITE_CORRUPT);
}

void raiseLastError(sqlite3* db) {
    raiseEngine(QString::fromUtf8(sqlite3_errmsg(db)), sqlite3_extended_errcode(db), databaseFileOf(db));
}

QString databaseFileOf(sqlite3* db) {
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    return file ? QString::fromUtf8(file) : QString();
}
} // namespace DbError
