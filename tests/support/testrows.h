#pragma once
// Rows the tests add directly: a set opened as the main window opens it, and rows with the
// values a new row gets, changed where a test says.

#include "runtime/variant.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <map>

using FieldValues = std::map<QString, Variant>;

// Adds a set with its font rows through rsSet and makes it the open set, lookups loaded.
qint32 addOpenSet(qint16 edition, qint32 languageID = 1, const FieldValues& fields = {});

// The values a new small card of the open set gets.
FieldValues newSmallCardValues(int nr);
// The values a new character of the open set gets in a 2nd-edition set of language 1.
FieldValues newCharacterValues(int nr);

// The values a new large card of the open set gets.
FieldValues newLargeCardValues(int nr);

// "Nr Name" of the open set's rows of `table`, in Nr order and then by key, `nameField` as the name.
QStringList numberedRows(const QString& table, const QString& nameField, const QString& keyField);

// Inserts a row of `values` changed by `fields`; returns its key.
qint32 insertRow(const QString& table, const QString& keyField, FieldValues values,
                 const FieldValues& fields);

// A picture file's bytes: a BMP of that size in one colour.
QByteArray bmpBytes(int width, int height, QColor colour = Qt::red);

// A picture file's bytes: a BMP whose every pixel up to 400 x 400 has its own colour, none
// white or black, so that a picture shifted or cut short shows; shadedAt gives that colour.
QByteArray shadedBmpBytes(int width, int height);
QColor shadedAt(int x, int y);
