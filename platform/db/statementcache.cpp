#include "statementcache.h"

SqlStatement& StatementCache::get(const QString& sql) {
    if (const auto found = m_statements.find(sql); found != m_statements.end()) return found->second;
    return m_statements.try_emplace(sql, m_db, sql).first->second;
}
