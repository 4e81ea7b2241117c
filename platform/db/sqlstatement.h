#pragma once
// One prepared SQLite statement, finalized when it goes. Values cross as Variants in
// SQLite's storage classes: Null, Integer, Double, Text (UTF-8) and Bytes; a Boolean
// binds as -1 or 0. Every run leaves the statement reset, so none holds a lock or keeps
// a transaction open, even when it fails. Failures raise DbError::Engine.

#include "runtime/variant.h"

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class SqlStatement {
public:
    // Raises also for a text that holds no statement at all.
    SqlStatement(sqlite3* db, const QString& sql);

    void bind(int index, const Variant& value); // 1-based, as in SQL
    void bind(int index, qint64 value);

    bool next();                                    // steps to the next row; false when done
    void reset();                                   // back to the start, bindings cleared
    void run();                                     // runs to the end and resets (writes)
    std::optional<Variant> firstValue();            // first column of the first row, then resets
    std::optional<std::vector<Variant>> firstRow(); // every column of the first row, then resets

    int columnCount() const;
    Variant value(int column) const;                      // of the row next() stands on
    std::optional<qint64> integerValue(int column) const; // none for NULL
    QString columnName(int column) const;                 // as the result names it
    QString tableName(int column) const;                  // base table, empty for an expression
    QString originName(int column) const;                 // column in that table

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};

// An identifier quoted for SQL text ("name", with inner quotes doubled).
QString quoteIdentifier(const QString& name);
// A text as an SQL string literal ('text', with inner quotes doubled).
QString quoteText(const QString& text);
