#pragma once
// The open SQLite file behind a Connection, shared with the recordsets opened on it so
// that it stays open while any of them lives: the handle, the column catalogue and the
// write observer. A connection is used by one thread at a time, so SQLite takes no lock of
// its own on every call.

#include "columncatalogue.h"
#include "connection.h"
#include "resultcolumns.h"

#include <map>

class Database {
public:
    // How long a statement waits for another connection's lock before it fails as locked.
    static constexpr int kBusyTimeoutMs = 2000;

    // flags as sqlite3_open_v2 takes them; raises DbError::Engine.
    Database(const QString& path, int flags);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* handle() const { return m_handle; }
    ColumnCatalogue& catalogue() { return m_catalogue; }

    // One or more statements. One that fails rolls back a transaction that it began.
    void execute(const QString& sql);
    qint64 lastInsertKey() const;
    int changes() const; // rows the last write changed

    // Changes whenever the data of the tables may have changed through this handle: a row of one
    // of them written, or any statement run through execute() (a rollback among them), so that
    // a value read before can be kept until then, whatever is written to other tables.
    struct Version {
        quint64 statements;
        quint64 tableWrites;
        bool operator==(const Version&) const = default;
    };
    Version version(const std::vector<BaseTable>& tables) const;

    void setWriteObserver(Connection::WriteObserver observer) { m_observer = std::move(observer); }
    void setStatementObserver(Connection::StatementObserver observer);
    // Every row written by a recordset comes here.
    void notifyWrite(Connection::WriteKind kind, const QString& table, qint64 key,
                     const QStringList& columns);

private:
    sqlite3* m_handle = nullptr; // owned, closed by the destructor
    ColumnCatalogue m_catalogue;
    Connection::WriteObserver m_observer;
    Connection::StatementObserver m_statementObserver;
    quint64 m_statements = 0; // run through execute(): transactions and savepoints among them
    std::map<QString, quint64> m_tableWrites; // rows written, by table in lower case
};
