#include "connection.h"
#include "database.h"
#include "dberrors.h"
#include "keyedupdate.h"
#include "keysonlyquery.h"
#include "liverecordset.h"
#include "runtime/vberror.h"
#include "snapshotrecordset.h"

#include <QFileInfo>
#include <numeric>
#include <sqlite3.h>

namespace {
// The keys-only statement of a query, when it prepares and gives the columns that it stands for.
std::optional<SqlStatement> prepareKeysOnly(sqlite3* db, const KeysOnlyQuery& keys,
                                            const SqlStatement& query) {
    std::optional<SqlStatement> statement;
    try {
        statement.emplace(db, keys.sql);
    } catch (const VbError&) {
        return std::nullopt;
    }
    const auto same = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    for (int column = 0; column < int(keys.columns.size()); ++column) {
        const int at = keys.columns[size_t(column)];
        if (at < 0) continue;
        if (at >= statement->columnCount() || statement->columnName(at) != query.columnName(column) ||
            !same(statement->tableName(at), query.tableName(column)) ||
            !same(statement->originName(at), query.originName(column)))
            return std::nullopt;
    }
    return statement;
}
} // namespace

std::shared_ptr<Connection> Connection::open(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) throw VbError(VbError::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    // SQLite takes an empty file for an empty database; for us it is a broken one.
    if (file.size() == 0)
        DbError::raiseEngine(QStringLiteral("file is not a database: %1").arg(path), SQLITE_NOTADB);
    auto db = std::make_shared<Database>(path, SQLITE_OPEN_READWRITE);
    try {
        db->execute(QStringLiteral("SELECT count(*) FROM sqlite_schema; PRAGMA journal_mode=DELETE"));
    } catch (const DbError::EngineError& error) {
        DbError::raiseEngine(QStringLiteral("%1: %2").arg(error.description(), path), error.resultCode(),
                             error.databaseFile());
    }
    return std::shared_ptr<Connection>(new Connection(std::move(db)));
}

std::shared_ptr<Connection> Connection::create(const QString& path) {
    if (QFileInfo::exists(path))
        throw VbError(DbError::FileExists, QStringLiteral("File already exists: %1").arg(path));
    auto db = std::make_shared<Database>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // Setting user_version writes the header, so the file is a database before its first table.
    db->execute(QStringLiteral("PRAGMA journal_mode=DELETE; PRAGMA user_version=0"));
    return std::shared_ptr<Connection>(new Connection(std::move(db)));
}

void Connection::execute(const QString& sql) {
    m_db->catalogue().clear(); // the schema may change
    m_db->execute(sql);
}

QStringList Connection::tableNames() const {
    SqlStatement statement(m_db->handle(),
                           QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' "
                                          "AND name NOT LIKE 'sqlite^_%' ESCAPE '^' ORDER BY rowid"));
    QStringList names;
    while (statement.next())
        names << statement.value(0).toText();
    return names;
}

RecordsetPtr Connection::openSnapshot(const QString& sql) {
    SqlStatement statement(m_db->handle(), sql);
    return std::make_shared<SnapshotRecordset>(statement,
                                               describeResult(statement, m_db->catalogue()).columns);
}

RecordsetPtr Connection::openLive(const QString& sql) {
    // Prepared for its layout; stepped only where no keys-only statement stands in for it.
    SqlStatement statement(m_db->handle(), sql);
    const ResultLayout layout = describeResult(statement, m_db->catalogue());
    if (const std::optional<KeysOnlyQuery> keys = keysOnlyQuery(sql, layout)) {
        if (std::optional<SqlStatement> keyStatement = prepareKeysOnly(m_db->handle(), *keys, statement))
            return std::make_shared<LiveRecordset>(m_db, *keyStatement, keys->columns, layout);
    }
    std::vector<int> allColumns(layout.columns.size());
    std::iota(allColumns.begin(), allColumns.end(), 0);
    return std::make_shared<LiveRecordset>(m_db, statement, allColumns, layout);
}

KeyedUpdate Connection::prepareUpdate(const QString& table, const QStringList& columns) {
    return KeyedUpdate(m_db, table, columns);
}

void Connection::beginTrans(Transaction::Lock lock) {
    m_db->execute(lock == Transaction::Lock::Immediate ? QStringLiteral("BEGIN IMMEDIATE")
                                                       : QStringLiteral("BEGIN"));
}

void Connection::commitTrans() {
    m_db->execute(QStringLiteral("COMMIT"));
}

void Connection::rollbackTrans() {
    m_db->execute(QStringLiteral("ROLLBACK"));
}

bool Connection::inTransaction() const {
    return sqlite3_get_autocommit(m_db->handle()) == 0;
}

void Connection::replaceContentWith(Connection& source) {
    sqlite3* target = m_db->handle();
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source.m_db->handle(), "main");
    if (!backup) DbError::raiseLastError(target);
    sqlite3_backup_step(backup, -1);
    // finish reports what the step met.
    const int result = sqlite3_backup_finish(backup);
    m_db->catalogue().clear();
    if (result != SQLITE_OK) DbError::raiseLastError(target);
}

void Connection::setWriteObserver(WriteObserver observer) {
    m_db->setWriteObserver(std::move(observer));
}

void Connection::setStatementObserver(StatementObserver observer) {
    m_db->setStatementObserver(std::move(observer));
}
