#pragma once
// An update of a few columns of one row, found by its table's key: prepared once and run for
// row after row without reading any of them, where a recordset would read each row it writes.
// Values are converted to the columns' logical types as a recordset's assignment converts
// them; each row written is reported to the connection's write observer and counts as a write
// of the table, so a live recordset reads that row again. It keeps the database open while it
// lives, as a recordset does. Failures raise DbError::Engine (an unknown table or column among
// them), 6 or 13 for a value that its column cannot take.

#include "columntype.h"
#include "sqlstatement.h"

#include <QStringList>
#include <memory>

class Database;

// The statement that writes `columns` of the row with the key: "UPDATE table SET c = ? ... WHERE
// key = ?", the values bound in the columns' order and the key last.
QString updateByKeyText(const QString& table, const QStringList& columns, const QString& keyColumn);
// The same write that makes the row when the key has none: the values bound as there.
QString upsertByKeyText(const QString& table, const QStringList& columns, const QString& keyColumn);

class KeyedUpdate {
public:
    KeyedUpdate(std::shared_ptr<Database> db, const QString& table, const QStringList& columns);

    // One value for each column, in their order; false when no row has the key.
    bool run(qint64 key, const std::vector<Variant>& values);

private:
    std::shared_ptr<Database> m_db;
    QString m_table;
    QStringList m_columns;
    std::vector<ColumnType> m_types;
    SqlStatement m_statement;
};
