#pragma once
// The column catalogue: each table's logical column types and its key, read from the
// schema in the file (PRAGMA table_info, foreign_key_list) the first time a table is asked for. The
// catalogue thus lives with the file; this layer names no table. clear() forgets what
// was read, for after a change of schema.

#include "columntype.h"

#include <QHash>
#include <map>

struct sqlite3;

class TableInfo {
public:
    QString keyColumn; // the INTEGER PRIMARY KEY, empty when the table has none
    // The table whose rows this table's rows extend one to one: its key REFERENCES that table's
    // key. Empty for any other table.
    QString extends;
    QHash<QString, ColumnType> types; // by lower-case column name

    ColumnType typeOf(const QString& column) const;
};

class ColumnCatalogue {
public:
    explicit ColumnCatalogue(sqlite3* db) : m_db(db) {}

    const TableInfo& table(const QString& name);
    void clear() { m_tables.clear(); }

private:
    sqlite3* m_db;
    std::map<QString, TableInfo> m_tables; // by lower-case table name
};
