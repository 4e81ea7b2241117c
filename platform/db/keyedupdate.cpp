#include "keyedupdate.h"
#include "database.h"
#include "dberrors.h"

QString updateByKeyText(const QString& table, const QStringList& columns, const QString& keyColumn) {
    QStringList sets;
    for (const QString& column : columns)
        sets << quoteIdentifier(column) + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
        .arg(quoteIdentifier(table), sets.join(QStringLiteral(", ")), quoteIdentifier(keyColumn));
}

QString upsertByKeyText(const QString& table, const QStringList& columns, const QString& keyColumn) {
    QStringList names, marks, sets;
    for (const QString& column : columns) {
        names << quoteIdentifier(column);
        marks << QStringLiteral("?");
        sets << QStringLiteral("%1 = excluded.%1").arg(quoteIdentifier(column));
    }
    const QString key = quoteIdentifier(keyColumn);
    return QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4, ?) ON CONFLICT (%3) DO UPDATE SET %5")
        .arg(quoteIdentifier(table), names.join(QStringLiteral(", ")), key, marks.join(QStringLiteral(", ")),
             sets.join(QStringLiteral(", ")));
}

namespace {
QString updateText(Database& db, const QString& table, const QStringList& columns) {
    const QString key = db.catalogue().table(table).keyColumn;
    if (key.isEmpty()) DbError::raiseEngine(QStringLiteral("no key to find a row of %1 by").arg(table));
    return updateByKeyText(table, columns, key);
}
} // namespace

KeyedUpdate::KeyedUpdate(std::shared_ptr<Database> db, const QString& table, const QStringList& columns)
    : m_db(std::move(db)), m_table(table), m_columns(columns),
      m_statement(m_db->handle(), updateText(*m_db, table, columns)) {
    const TableInfo& info = m_db->catalogue().table(table);
    for (const QString& column : columns)
        m_types.push_back(info.typeOf(column));
}

bool KeyedUpdate::run(qint64 key, const std::vector<Variant>& values) {
    Q_ASSERT(values.size() == m_types.size());
    int parameter = 1;
    for (std::size_t i = 0; i < m_types.size(); ++i)
        m_statement.bind(parameter++, toStorage(m_types[i], values[i]));
    m_statement.bind(parameter, key);
    m_statement.run();
    if (m_db->changes() == 0) return false;
    m_db->notifyWrite(Connection::WriteKind::Update, m_table, key, m_columns);
    return true;
}
