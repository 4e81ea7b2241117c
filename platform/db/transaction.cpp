#include "transaction.h"
#include "connection.h"
#include "dberrors.h"

Transaction::Transaction(Connection& connection, Lock lock) : m_connection(connection) {
    m_connection.beginTrans(lock);
}

Transaction::~Transaction() {
    if (!active()) return;
    try {
        m_connection.rollbackTrans();
    } catch (...) {
        // Nothing more can be done while unwinding; SQLite drops the transaction on close.
    }
}

bool Transaction::active() const {
    return !m_committed && m_connection.inTransaction();
}

void Transaction::commit() {
    if (!m_committed && !m_connection.inTransaction())
        DbError::raiseEngine(
            QStringLiteral("The changes were not stored: the database undid them after an error."));
    m_connection.commitTrans();
    m_committed = true;
}
