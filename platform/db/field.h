#pragma once
// A field: a light proxy naming one column of one recordset's current row. It is valid
// while its recordset lives. Reading it with no current row raises 3021. Assigning it
// buffers the value on a live recordset (see Recordset) and raises 3251 on a snapshot;
// assigning one field to another assigns the value.

#include "columntype.h"

class Recordset;

class Field {
public:
    Field(const Field&) = default;

    QString name() const;
    ColumnType type() const; // the column catalogue's logical type
    QString table() const;   // the base table, "" for an expression
    Variant value() const;
    Field& operator=(const Variant& value);
    Field& operator=(const Field& other) { return *this = other.value(); }

    qint64
    actualSize() const; // bytes of a bytes value, length of a text (numbers: of their text), 0 for Null

    bool isNull() const { return value().isNull(); }
    bool toBool() const { return value().toBool(); }
    qint16 toInt() const { return value().toInt(); }
    qint32 toLong() const { return value().toLong(); }
    double toDouble() const { return value().toDouble(); }
    QString toText() const { return value().toText(); }
    QString concatText() const { return value().concatText(); }
    QByteArray toBytes() const { return value().toBytes(); }

private:
    friend class Recordset;
    Field(Recordset& recordset, int column) : m_recordset(&recordset), m_column(column) {}

    Recordset* m_recordset; // not owned
    int m_column;
};
