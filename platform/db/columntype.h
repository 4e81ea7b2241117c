#pragma once
// The logical type of a column, taken from the type the schema declares for it, and
// the conversions between a value as the program sees it and as the file stores it:
//   INTEGER PRIMARY KEY  key: given by the database, never assigned (NotUpdatable)
//   SMALLINT             16-bit integer: halves round to even, 6 past -32768..32767
//   INTEGER              32-bit integer: the same rounding, 6 past the 32-bit range
//   DOUBLE               double
//   BOOLEAN              stored -1 (True) and 0 (False); reads any non-zero as True and
//                        Null as False; assigning Null stores False
//   TEXT, LONGTEXT       text and memo; a number assigned is stored as its text
//   BLOB                 bytes, whole
// Any other declaration (and a computed result column) keeps the value as SQLite has it.
// Assigning Null stores NULL except for a Boolean.

#include "runtime/variant.h"

enum class ColumnType { Key, Int16, Int32, Double, Boolean, Text, Memo, Bytes, Other };

ColumnType columnTypeFromDeclaration(const QString& declaredType, bool isRowKey);

Variant toStorage(ColumnType type, const Variant& value); // raises 6, 13 or NotUpdatable
Variant fromStorage(ColumnType type, const Variant& stored);
