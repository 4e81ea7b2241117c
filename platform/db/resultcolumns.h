#pragma once
// What a query's result columns are: each one's name, logical type and origin (its base
// table and the column there), found through SQLite's column metadata. A column with no
// origin (an expression, Count(*)) has type Other and no table. Base tables are listed
// in the order their first column appears, each with the result column that holds its
// key, if any. A table that extends another one (see TableInfo::extends) has its rows by the
// key of that one, when the result holds it and not its own.

#include "columntype.h"

#include <vector>

class ColumnCatalogue;
class SqlStatement;

struct ResultColumn {
    QString name;
    ColumnType type = ColumnType::Other;
    int table = -1;      // index into ResultLayout::tables, -1 for an expression
    QString origin;      // the column's name in its table
    QString originTable; // that table's name, empty for an expression
};

struct BaseTable {
    QString name;
    QString keyColumn;  // empty when the table has no key
    int keyResult = -1; // result column holding the key, -1 when the result has none
    int extends = -1;   // the table of the layout whose key is this one's, -1 for none
};

struct ResultLayout {
    std::vector<ResultColumn> columns;
    std::vector<BaseTable> tables;

    // Whether the column's table has its key in the result, so a row's value can be read by it.
    bool readByKey(int column) const {
        const int table = columns[size_t(column)].table;
        return table >= 0 && tables[size_t(table)].keyResult >= 0;
    }
};

ResultLayout describeResult(const SqlStatement& statement, ColumnCatalogue& catalogue);
