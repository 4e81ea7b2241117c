#include "transaction.h"
#include "connection.h"

Transaction::Transaction(Connection& connection) : m_connection(connection) {
    m_connection.beginTrans();
}

Transaction::~Transaction() {
    if (m_committed) return;
    try {
        m_connection.rollbackTrans();
    } catch (...) {
        // Nothing more can be done while unwinding; SQLite drops the transaction on close.
    }
}

void Transaction::commit() {
    m_connection.commitTrans();
    m_committed = true;
}
