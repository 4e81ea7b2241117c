#pragma once
// The card tables (tblCard, tblCharacter, tblLargeCard) as the file keeps them. Each keeps its
// pictures in a table of their own (tblCardPictures beside tblCardData, one row each by the
// same key): SQLite writes a row whole, so a keystroke in a title, renumbering a set or storing a
// card's file name would otherwise write every picture of the row again. The name the program
// reads (tblCard) is a view of the two whose triggers write through it, so that any statement
// reads and writes it as the one table it was; statements that write many rows (renumbering,
// file names) write the data table itself. The pictures table's key REFERENCES the data
// table's, so that a recordset over the view writes a new row's pictures by its new key.
//
// Earlier layouts: the card tables kept whole, and then long texts kept with the pictures in
// tblCardBulk. Such a file is converted into a new one (layoutconversion.h).

#include <QString>
#include <QStringList>
#include <vector>

class Connection;

struct CardColumn {
    QString name, type, defaultValue;
    bool notNull = false, key = false;
    QString storedIn; // the table it was read from
    bool isPicture() const;
    QString declaration() const; // as the schema declares it
};

struct CardTable {
    QString name, key;
    QString data() const { return name + QStringLiteral("Data"); }
    QString pictures() const { return name + QStringLiteral("Pictures"); }
};

// tblCard, tblCharacter and tblLargeCard.
const std::vector<CardTable>& cardTables();

// A card table's columns in the order the program's schema gives them (columns the schema does
// not know follow), read from its stored tables in the schema (database) named.
std::vector<CardColumn> storedColumns(Connection& db, const CardTable& table,
                                      const QString& schema = QStringLiteral("main"));
// A card table of an earlier layout: its columns in its own order (those a user added to its
// stored tables last), and the rows that hold them, in which a column is read as
// "alias.name" where earlierSource() says.
struct EarlierCardTable {
    std::vector<CardColumn> columns;
    QString rows; // "schema.table AS w", or the two stored tables joined as "d" and "b"
    QString source(const CardColumn& column) const;
};
EarlierCardTable earlierCardTable(Connection& db, const CardTable& table, const QString& schema);

// Creates the two stored tables of a card table, empty and without triggers.
void createStoredTables(Connection& db, const CardTable& table, const std::vector<CardColumn>& columns);
// The statements of the view and its triggers, by the name of what each makes.
std::vector<std::pair<QString, QString>> accessStatements(const CardTable& table,
                                                          const std::vector<CardColumn>& columns);
// Whether a schema object is one of the card tables' own, in this layout or an earlier one.
bool isOwnCardObject(const QString& name);

// Replaces the whole card tables of a new database, still empty, by their stored layout.
void storeCardTablesApart(Connection& db);

// Whether the card tables are kept in an earlier layout.
bool hasEarlierCardLayout(Connection& db);

// Makes again what the layout defines and a tool dropped or changed: a view, a trigger, the
// pictures table (its pictures are gone). Returns what it made again, named, in one
// transaction; raises VbError, naming it, when a data table is missing, which cannot be mended.
QStringList mendCardTables(Connection& db);

// Where a card table's columns other than its pictures are stored: "tblCardData" for "tblCard".
QString tableWithoutLargeValues(const QString& cardTable);

// The card table that a stored table belongs to ("tblCard" for "tblCardPictures"); any other
// name as it is.
QString cardTableOf(const QString& storedTable);
