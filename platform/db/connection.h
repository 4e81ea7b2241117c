#pragma once
// Stands in for the classic Windows database engine: a connection and its recordsets,
// over SQLite 3. The connection to the program's database: one file in rollback-journal mode
// (journal_mode=DELETE, never WAL, so the file can be copied and moved as one).
// Recordsets opened on it keep the file open while they live (see recordset.h for both
// kinds and their rules). SQL texts are SQLite's dialect.
//
// Errors: whatever SQLite refuses (syntax, unknown table or column, a file that is not
// a database, a failed write) raises VbError DbError::Engine (-2147467259) with SQLite's
// message as description, as a DbError::EngineError that keeps SQLite's result code;
// open() of a missing file raises 53, create() of an existing one DbError::FileExists (58).
// Nothing here leaves a statement running or a transaction open that it began itself.

#include "transaction.h"

#include <QStringList>
#include <functional>
#include <memory>

class Database;
class KeyedUpdate;
class Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;

class Connection : public std::enable_shared_from_this<Connection> {
public:
    // Opens an existing database read-write, never creates one. The schema is read at
    // once, so a file that is no database (or an empty file) fails here, not later.
    static std::shared_ptr<Connection> open(const QString& path);
    // Creates a new, empty database file (the build's seed database, tests).
    static std::shared_ptr<Connection> create(const QString& path);

    void execute(const QString& sql); // one or more statements (schema, seed rows)
    QStringList tableNames() const;   // the user tables, in the order they were made

    RecordsetPtr openSnapshot(const QString& sql);
    RecordsetPtr openLive(const QString& sql);
    // An update of `columns` of the table's rows by key, for many rows (see keyedupdate.h).
    KeyedUpdate prepareUpdate(const QString& table, const QStringList& columns);

    // One transaction at a time; beginning a second, or committing or rolling back
    // none, raises DbError::Engine.
    void beginTrans(Transaction::Lock lock = Transaction::Lock::Deferred);
    void commitTrans();
    void rollbackTrans();
    // Whether a transaction is open: after some failures (a full disk) SQLite has rolled the
    // whole transaction back by itself.
    bool inTransaction() const;

    // Puts the whole content of `source` in place of this connection's database through SQLite's
    // backup API, in one write transaction with its journal: other connections to the file go on
    // working on it, and a failure (a full disk, a lock held past the busy timeout) leaves it as
    // it was.
    void replaceContentWith(Connection& source);

    // Test hook: called after each row write with the table, the key of the row and the
    // columns written (for an insert the assigned columns, for a delete none).
    enum class WriteKind { Insert, Update, Delete };
    using WriteObserver =
        std::function<void(WriteKind, const QString& table, qint64 key, const QStringList& columns)>;
    void setWriteObserver(WriteObserver observer);
    // Test hook: called with the text of each statement as it starts to run (one that is
    // only prepared is not run); an empty observer ends it.
    using StatementObserver = std::function<void(const QString& sql)>;
    void setStatementObserver(StatementObserver observer);

private:
    friend class LockWait;
    explicit Connection(std::shared_ptr<Database> db) : m_db(std::move(db)) {}

    std::shared_ptr<Database> m_db;
};
