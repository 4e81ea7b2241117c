#pragma once
// The program's shared state and the helpers every window uses: the one connection,
// the open set, the shared recordsets and query buffer, and the small procedures that
// move data between recordsets and controls.

#include "db/connection.h"
#include "db/recordset.h"
#include "storedvalues.h"

#include "runtime/vberror.h"

#include <QString>
#include <functional>

extern std::shared_ptr<Connection> cnData;
extern QString PicTempPath;
extern bool DatabaseFound;

// The open set. Keys are 32-bit: a set's key can pass 32767.
extern qint32 iSetID;
extern qint16 iSetEditionID;
extern qint16 iSetLanguageID;

extern RecordsetPtr rsSet;
extern RecordsetPtr rsCard, rsCharacter, rsLargeCard;
extern RecordsetPtr rsCardType, rsCardBack, rsCharacterBack, rsArea, rsAlignment;
extern QString strSQL;

// Starts the program, every window of it carrying the program's icon. Returns false when it
// must end at once (no usable database).
bool Main();
void OpenDatabase();
// Whether the file holds every table of the program's database.
bool hasOurTables(const Connection& connection);

RecordsetPtr GetRecordset(const QString& sql);
void OpenRecordset(const QString& sql, RecordsetPtr& rs);
bool RecordExists(const QString& sql);
void LoadLookups(qint16 EditionID, qint16 LanguageID);
// The open set's language as it goes into SQL text: its key as a number, or 0, which no
// language has, when the row holds no key there (choosing the set reported it).
QString openSetLanguageKey();
// Whether the open set's lists are filled: a set is open, of an edition the program knows.
// Choosing a set of any other edition said that its lists stay empty.
bool openSetHasLists();
QString GetAreaText(qint32 AreaID, bool boardFirst, bool includeBoard);
// GetAreaText over another snapshot of areas.
QString areaText(Recordset& areas, qint32 AreaID, bool boardFirst, bool includeBoard);
// The same of the area row the recordset stands on.
QString currentAreaText(Recordset& areas, bool boardFirst, bool includeBoard);
QString GetAlignmentText(qint32 AlignmentID);
QString YesNo(bool value);
// Lets `assign` set fields of the current row and updates it, all or nothing: an error
// cancels the edit, so nothing half-written stays pending, and goes on to the caller.
void editRow(Recordset& rs, const std::function<void()>& assign);
// The error to raise for a change the database refused: it says that the change was not saved
// and why (the database in use by another program, a database that cannot be written).
VbError changeNotSaved(const VbError& error);
qint16 BoolToCheck(bool value);

// The control helpers take any control that offers the named properties.
template <class TextControl> void SelectAllText(TextControl& control) {
    control.setSelStart(0);
    control.setSelLength(int(control.Text().length()));
}

// Each item's text is made from its row.
template <class Combo>
void FillCombo(Combo& combo, Recordset& rs, const std::function<QString(Recordset&)>& text,
               const QString& idField) {
    combo.Clear();
    while (!rs.eof()) {
        combo.AddItem(text(rs));
        combo.setItemData(combo.NewIndex(), rs.field(idField).toLong());
        rs.moveNext();
    }
}

template <class Combo>
void FillCombo(Combo& combo, Recordset& rs, const QString& textField, const QString& idField) {
    // A Null text, and bytes, show as empty.
    FillCombo(
        combo, rs, [&](Recordset& row) { return stored::text(row, textField); }, idField);
}

// The first item that carries the id, -1 for none.
template <class Combo> int ComboIndexOf(const Combo& combo, qint32 id) {
    for (int i = 0; i < combo.ListCount(); ++i)
        if (combo.ItemData(i) == id) return i;
    return -1;
}

// An id that no item carries (another edition's, a deleted row's) leaves the list without a
// choice: it never shows an entry that is not stored.
template <class Combo> void SelectComboItem(Combo& combo, qint32 id) {
    combo.setListIndex(ComboIndexOf(combo, id));
}

template <class ListView> void SortListView(ListView& listView, int column, int order) {
    listView.setSortKey(column);
    listView.setSortOrder(order);
    listView.setSorted(true);
}
