#pragma once
// A database of its own for each test, in a temporary folder, with a small schema that
// uses every declared type, and helpers to read results and errors.

#include "db/connection.h"
#include "db/recordset.h"
#include "runtime/vberror.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

class DbTest : public ::testing::Test {
protected:
    void SetUp() override;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Opens a recordset of the kind asked for.
    RecordsetPtr open(Recordset::Kind kind, const QString& sql);
    // One value of one row, read through a fresh snapshot.
    Variant stored(const QString& sql);

    struct Write {
        Connection::WriteKind kind;
        QString table;
        qint64 key;
        QStringList columns;
    };
    std::vector<Write> writes; // what the connection wrote since SetUp

    std::shared_ptr<Connection> db;

private:
    QTemporaryDir m_dir;
};

// The number of the VbError that the call raises, 0 when it raises none.
template <typename Call> int errorOf(Call call) {
    try {
        call();
    } catch (const VbError& error) {
        return error.number();
    }
    return 0;
}

// Shows values readably in failures.
void PrintTo(const Variant& value, std::ostream* out);

// A column's values from the current row to EOF, Null as "<null>".
QStringList columnFrom(Recordset& rs, const QString& name);
