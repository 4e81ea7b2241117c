#include "dberrors.h"

#include <sqlite3.h>

namespace DbError {
EngineError::EngineError(int resultCode, const QString& message)
    : VbError(Engine, message, QStringLiteral("SQLite")), m_resultCode(resultCode) {}

Cause causeOf(const VbError& error) {
    const auto* engine = dynamic_cast<const EngineError*>(&error);
    if (!engine) return Cause::Other;
    switch (engine->resultCode() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Cause::Locked;
    case SQLITE_READONLY:
        return Cause::ReadOnly;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Cause::Damaged;
    default:
        return Cause::Other;
    }
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
