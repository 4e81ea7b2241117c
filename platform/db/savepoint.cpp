#include "savepoint.h"
#include "database.h"

Savepoint::Savepoint(Database& db) : m_db(db) {
    m_db.execute(QStringLiteral("SAVEPOINT zqj_write"));
}

Savepoint::~Savepoint() {
    if (m_released) return;
    try {
        m_db.execute(QStringLiteral("ROLLBACK TO zqj_write; RELEASE zqj_write"));
    } catch (...) {
        // Nothing more can be done while unwinding; SQLite closes the savepoint with the transaction.
    }
}

void Savepoint::release() {
    m_db.execute(QStringLiteral("RELEASE zqj_write"));
    m_released = true;
}
