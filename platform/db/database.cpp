#include "database.h"
#include "dberrors.h"

#include <QFile>
#include <sqlite3.h>

namespace {
sqlite3* openHandle(const QString& path, int flags) {
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc));
        sqlite3_close_v2(handle);
        DbError::raiseEngine(QStringLiteral("%1: %2").arg(message, path), rc, path);
    }
    return handle;
}
} // namespace

Database::Database(const QString& path, int flags)
    : m_handle(openHandle(path, flags | SQLITE_OPEN_NOMUTEX)), m_catalogue(m_handle) {
    // Another program may hold the file for a moment; a write waits for it instead of failing.
    sqlite3_busy_timeout(m_handle, kBusyTimeoutMs);
}

Database::~Database() {
    sqlite3_close_v2(m_handle);
}

void Database::execute(const QString& sql) {
    ++m_statements;
    const bool wasAutocommit = sqlite3_get_autocommit(m_handle) != 0;
    if (sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK) return;
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_handle));
    const int code = sqlite3_extended_errcode(m_handle);
    if (wasAutocommit && sqlite3_get_autocommit(m_handle) == 0)
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
    DbError::raiseEngine(message, code, DbError::databaseFileOf(m_handle));
}

qint64 Database::lastInsertKey() const {
    return sqlite3_last_insert_rowid(m_handle);
}

Database::Version Database::version(const std::vector<BaseTable>& tables) const {
    quint64 writes = 0;
    for (const BaseTable& table : tables) {
        const auto written = m_tableWrites.find(table.name.toLower());
        if (written != m_tableWrites.end()) writes += written->second;
    }
    return {m_statements, writes};
}

int Database::changes() const {
    return sqlite3_changes(m_handle);
}

void Database::notifyWrite(Connection::WriteKind kind, const QString& table, qint64 key,
                           const QStringList& columns) {
    ++m_tableWrites[table.toLower()];
    if (m_observer) m_observer(kind, table, key, columns);
}

void Database::setStatementObserver(Connection::StatementObserver observer) {
    m_statementObserver = std::move(observer);
    const auto trace = [](unsigned, void* context, void* statement, void*) {
        const auto* db = static_cast<const Database*>(context);
        db->m_statementObserver(QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement))));
        return 0;
    };
    sqlite3_trace_v2(m_handle, m_statementObserver ? SQLITE_TRACE_STMT : 0, trace, this);
}
