#pragma once
// The card tables' indexes on (SetID, Nr): a set's rows come in number order without
// sorting every row of the set with its pictures. The build makes them with the schema,
// and the program adds them when it opens a database made before they existed, so the
// statements do nothing where the indexes are there already. They are not unique
// (numbers pass through duplicates) and cover no table's columns, so that unordered
// reads still come in key order.

#include <QStringList>

QString cardIndexStatements();
QStringList cardIndexNames();
