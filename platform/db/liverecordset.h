#pragma once
// The live recordset (see recordset.h): a keyset over the query's base tables. For each
// row it keeps the key of every base table whose key column is in the result (a table that
// extends another has that one's); the row's identity is the key of the first such table that
// extends none, which is also the table addNew inserts into. Values are read by key, one column at a time, with cached statements, and kept for
// the current row until it moves or the database may have changed (its own update of the row
// keeps them, with the values written); the opening reads only the
// keys and kept columns, through a keys-only statement where keysonlyquery.h allows. A column
// whose table has no key in the result is kept from the opening run, like a computed
// one, and cannot be assigned; a result with no key at all cannot be updated (3251).
// A new row may be assigned only columns of the table it goes into and of the tables that
// extend it (see resultcolumns.h), whose rows the database makes with it; after its insert its
// computed columns and other tables' columns read Null. deleteCurrent() on a new row that is
// not yet inserted only drops it.

#include "database.h"
#include "recordset.h"
#include "statementcache.h"

#include <map>
#include <memory>

class LiveRecordset final : public Recordset {
public:
    // Steps rows to its end for the keys and kept columns: rowColumns gives, by column of the
    // layout, its column in rows (-1 for one read by key).
    LiveRecordset(std::shared_ptr<Database> db, SqlStatement& rows, const std::vector<int>& rowColumns,
                  const ResultLayout& layout);

    void addNew() override;
    void update() override;
    void cancelUpdate() override;
    void deleteCurrent() override;
    bool isEditing() const override { return cursor().onNewRow() || !m_assigned.empty(); }
    void close() override;

protected:
    Variant valueAt(int row, int column) override;
    Variant currentValue(int column) override;
    void assign(int column, const Variant& value) override;
    void finishEdit() override;

private:
    bool isKept(int column) const { return m_keptSlot[size_t(column)] >= 0; }
    // A row's key of a base table; none for a missing outer-join row.
    const std::optional<qint64>& key(size_t row, int table) const {
        return m_keys[row * m_tables.size() + size_t(table)];
    }
    const Variant& kept(size_t row, int column) const {
        return m_kept[row * size_t(m_keptCount) + size_t(m_keptSlot[size_t(column)])];
    }
    // The stored value of a column read by key; none when that table's row is gone.
    std::optional<Variant> readStored(size_t row, int column);
    // readStored for the current row, read once while nothing is written.
    std::optional<Variant> currentStored(size_t row, int column);
    // Reads all columns of one base table for the current row into m_current.
    void readCurrentTable(size_t row, int table);
    // The columns of a base table read by key and the statement that reads them, made once.
    struct TableRead {
        std::vector<int> columns;
        QString sql;
    };
    const TableRead& tableRead(int table);
    // Whether a new row has a row in the table: the one it goes into and those extending it.
    bool goesIntoNewRow(int table) const {
        return table == m_identity || m_tables[size_t(table)].extends == m_identity;
    }
    struct TableWrite {
        QStringList names; // columns in the table
        std::vector<Variant> values;
    };
    std::map<int, TableWrite> assignedByTable() const; // by base table
    // Writes one table's columns to its row with the key; raises 3021 when there is none.
    void writeByKey(int table, const TableWrite& write, qint64 rowKey);
    void insertNewRow();
    void updateCurrentRow();
    [[noreturn]] static void raiseNotUpdatable(const QString& column);

    std::shared_ptr<Database> m_db;
    StatementCache m_statements;
    std::vector<BaseTable> m_tables;
    int m_identity = -1;         // the table whose key identifies a row
    std::vector<int> m_keptSlot; // by column: slot of the kept values, or -1 when read by key
    int m_keptCount = 0;
    // The rows' keys (by base table) and kept values (by slot), row after row in one array
    // each, so that a set of thousands of rows opens without an allocation per row.
    std::vector<std::optional<qint64>> m_keys;
    std::vector<Variant> m_kept;
    std::map<int, Variant> m_assigned; // by column: values as they will be stored
    struct CurrentRowValues {
        size_t row = 0;
        std::optional<Database::Version> version;
        std::map<int, std::optional<Variant>> values;
    };
    CurrentRowValues m_current;
    std::map<int, TableRead> m_tableReads; // by base table
};
