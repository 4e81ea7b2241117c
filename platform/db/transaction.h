#pragma once
// A transaction for a scope: begins on construction and rolls back on destruction
// unless commit() was called, so an error on the way never leaves it open.

class Connection;

class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& m_connection;
    bool m_committed = false;
};
