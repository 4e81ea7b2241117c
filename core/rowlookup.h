#pragma once
// Finding a row by its key: in a recordset, by a criterion "Column = key", and in a list
// view whose items stand for rows, by an item key of a prefix and the row's key ("CT12").

#include "db/connection.h"

#include <QString>
#include <optional>

class Field;

QString keyCriterion(const QString& column, qint64 key);

// A key read from the database, as only a whole number of 32 bits may go into SQL text;
// none for a Null, a text, a fraction or a number past that range (another tool wrote it).
std::optional<qint32> storedKey(const Field& field);

// Moves the recordset onto the row with that key; false (the recordset past its end, or
// empty) when it has none.
bool moveToRow(const RecordsetPtr& rs, const QString& column, qint64 key);

QString listKey(const QString& prefix, qint64 key);
// The row's key in an item key; raises 13 when what follows the prefix is not a number.
qint32 keyOfListKey(const QString& itemKey, const QString& prefix);
