#pragma once
// The default fonts of a new set: thirteen font rows of its own, one for each text
// element of its cards, so that changing one set's fonts never shows in another.

#include "db/recordset.h"

#include <QStringList>

// Adds the thirteen font rows with the defaults of the set's edition and writes their
// keys into the set row, which stands in add mode and stays so: the caller updates it.
void CreateSetFonts(Recordset& rs);

// The set row's columns that hold the keys of its font rows, in the order the rows are added.
QStringList SetFontFields();
