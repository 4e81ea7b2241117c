#pragma once
// The prepared statements a recordset runs again and again (per-row reads, updates of
// the same columns), kept by their SQL text so each is prepared once.

#include "sqlstatement.h"

#include <map>

class StatementCache {
public:
    explicit StatementCache(sqlite3* db) : m_db(db) {}

    SqlStatement& get(const QString& sql);
    void clear() { m_statements.clear(); }

private:
    sqlite3* m_db;
    std::map<QString, SqlStatement> m_statements;
};
