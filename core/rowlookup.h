#pragma once
// Finding a row by its key: in a recordset, by a criterion "Column = key", and in a list
// view whose items stand for rows, by an item key of a prefix and the row's key ("CT12").

#include "db/connection.h"

#include <QString>

QString keyCriterion(const QString& column, qint64 key);

// Moves the recordset onto the row with that key; false (the recordset past its end, or
// empty) when it has none.
bool moveToRow(const RecordsetPtr& rs, const QString& column, qint64 key);

QString listKey(const QString& prefix, qint64 key);
// The row's key in an item key; raises 13 when what follows the prefix is not a number.
qint32 keyOfListKey(const QString& itemKey, const QString& prefix);
