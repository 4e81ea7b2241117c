#pragma once
// The statement a live recordset steps at opening: the same FROM, WHERE and ORDER BY as its
// query, selecting only what the recordset keeps from the opening run (each base table's key
// and the columns kept like computed ones), so that no other column (a picture) is read.
// Rows that the query's ORDER BY leaves in no defined order come in the order of those keys,
// so an unordered read comes in key order whatever index the plan takes.
//
// Built from the text of a plain "SELECT list FROM ... [WHERE ...] [ORDER BY ...]" of one
// statement, with at most one * in its list. None for any other form (DISTINCT, GROUP BY,
// compound, LIMIT, WITH, an ORDER BY by position or by the alias of a column left out), for
// a result without keys, and for one that needs every column anyway: the recordset then
// steps its query itself.

#include "resultcolumns.h"

#include <optional>

struct KeysOnlyQuery {
    QString sql;
    std::vector<int> columns; // by result column of the query: its column in sql, or -1
};

std::optional<KeysOnlyQuery> keysOnlyQuery(const QString& sql, const ResultLayout& layout);
