#include "dberrors.h"

#include <sqlite3.h>

namespace DbError {
EngineError::EngineError(int resultCode, const QString& message)
    : VbError(Engine, message, QStringLiteral("SQLite")), m_resultCode(resultCode) {
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
    switch (causeOf(error)) {
    case Cause::Locked:
        return QStringLiteral("the database is in use by another program");
    case Cause::ReadOnly:
        return QStringLiteral("the database or its folder cannot be written");
    case Cause::Full:
        return QStringLiteral("the disk is full");
    case Cause::Damaged:
        return QStringLiteral("the database file is damaged");
    case Cause::NotADatabase:
        return QStringLiteral("the file is not a database");
    case Cause::Other:
        break;
    }
    return {};
}

void raiseEngine(const QString& message, int resultCode) {
    throw EngineError(resultCode, message);
}

void raiseDamaged(const QString& message) {
    raiseEngine(message, SQLITE_CORRUPT);
}

void raiseLastError(sqlite3* db) {
    raiseEngine(QString::fromUtf8(sqlite3_errmsg(db)), sqlite3_extended_errcode(db));
}
} // namespace DbError
