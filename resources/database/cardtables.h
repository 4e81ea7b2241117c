#pragma once
// The card tables (tblCard, tblCharacter, tblLargeCard) as the file keeps them. Each keeps its
// large values, pictures and long texts, in a table of their own (tblCardBulk beside
// tblCardData, one row each by the same key): SQLite writes a row whole, so renumbering a set
// or storing a card's file name would otherwise write every picture and text of the set again.
// The name the program reads (tblCard) is a view of the two whose triggers write through it,
// so any statement reads and writes it as the one table it was; statements that write many
// rows (renumbering, file names) write the other table itself. The large table's key
// REFERENCES the other's, so that a recordset over the view writes a new row's large values by
// its new key.

class Connection;
class QString;

// Whether a card table is still kept whole, as a database made before this layout keeps it.
bool keepsLargeValuesWhole(Connection& db);

// Brings the card tables that a database made before this layout keeps whole to it, with their
// indexes; does nothing where all are apart. Runs in the caller's transaction, so that a failure
// (a full disk) leaves the file as it was.
void keepLargeValuesApart(Connection& db);

// Where a card table's columns other than its large values are stored: "tblCardData" for "tblCard".
QString tableWithoutLargeValues(const QString& cardTable);

// The card table that a stored table belongs to ("tblCard" for "tblCardBulk"); any other
// name as it is.
QString cardTableOf(const QString& storedTable);
