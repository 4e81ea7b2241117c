#include "dberrors.h"
#include "runtime/vberror.h"

#include <sqlite3.h>

namespace DbError {
void raiseEngine(const QString& message) {
    throw VbError(Engine, message, QStringLiteral("SQLite"));
}

void raiseLastError(sqlite3* db) {
    raiseEngine(QString::fromUtf8(sqlite3_errmsg(db)));
}
} // namespace DbError
