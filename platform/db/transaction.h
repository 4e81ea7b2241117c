#pragma once
// A transaction for a scope: begins on construction and rolls back on destruction
// unless commit() was called, so an error on the way never leaves it open. After a
// failure that made SQLite roll it back by itself (a full disk), it is no longer
// active: nothing is rolled back again, and commit() raises DbError::Engine saying so.

class Connection;

class Transaction {
public:
    // Immediate takes the write lock at once, waiting for another program's lock as a statement
    // waits; Deferred takes it at the first write, where SQLite does not wait once the
    // transaction has read.
    enum class Lock { Deferred, Immediate };

    explicit Transaction(Connection& connection, Lock lock = Lock::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Open and neither committed nor rolled back.
    bool active() const;
    void commit();

private:
    Connection& m_connection;
    bool m_committed = false;
};
