#pragma once
// The record an editor shows, kept by its key. The editor's recordset is shared with the
// batch (and, for small cards, with the other editor), which may move it meanwhile, so
// every write first puts the recordset back on that record.
// The records of a set carry the numbers Nr 1..n in the recordset's order (Nr, then the key):
// adding and deleting number them so, whatever they held before.

#include "db/connection.h"
#include "db/recordset.h"

#include <functional>
#include <optional>

class Label;
class VbError;

// What an editor does to show its records.
struct RecordView {
    std::function<void()> open;        // opens the editor's recordset anew
    std::function<void(bool)> enable;  // its controls, for a set with records or without
    std::function<void()> showCurrent; // shows the current record
    Label& position;
};

// Nr is a 16-bit number: a set holds at most this many records of a kind.
constexpr qint32 kLargestNr = 32767;

class ShownRecord {
public:
    // The recordset holds the open set's records of `table`, ordered by Nr and then the key.
    ShownRecord(RecordsetPtr& rs, QString table, QString keyField);

    // The recordset is open and holds rows.
    bool hasRows() const;
    // The current row becomes the record shown.
    void remember();
    void forget() { m_id = 0; }
    // The key of the record shown, 0 for none.
    qint32 id() const { return m_id; }

    // Puts the recordset on the record shown; false when there is none or it is gone.
    bool locate();
    // The recordset on the record shown, for reading it; raises 3021 when it is gone.
    Recordset& row();
    // Puts the recordset on the record shown, lets `assign` set its fields and updates it,
    // all or nothing: an error cancels the edit, `showStored` puts what the record holds back
    // into the edit controls, and the caller gets the error saying that the change was not saved.
    void edit(const std::function<void(Recordset&)>& assign, const std::function<void()>& showStored);

    // The number of records into the position label's Tag.
    void countInto(Label& position);
    // The number a new record takes: one past the number of records.
    qint32 nextNr() const;
    // Numbers the records 1..n, adds a record numbered `nr`, lets `fill` set its other fields and
    // stores it, all or nothing; the new record is current afterwards.
    void insertNumbered(qint16 nr, const std::function<void()>& fill);
    // Shows the current record, or without rows leaves the editor with its controls disabled.
    void showCurrentOrNone(const RecordView& view);
    // Deletes the record shown, numbers the rest 1..n and shows the one that followed it, or
    // the new last one.
    // A refused delete is reported under `title`, with `what` failed, and undone.
    void deleteShown(const RecordView& view, const QString& title, const QString& what);

    // After a write the database refused, the recordset may hold keys the database no
    // longer has: it is opened again, the record shown before (or the first) is shown again,
    // and the user is told what failed and why.
    void reopenAfterFailedWrite(const RecordView& view, const QString& title, const QString& what,
                                const VbError& error);

    // A navigation button's move: 0 first, 1 previous, 2 next, 3 last, anything else none.
    // Previous and next go from the record shown and stay on the first and last rows.
    void navigate(int index);

private:
    // Numbers the set's records 1..n in the recordset's order, in one statement; raises 6 past
    // the largest number.
    void renumber();
    // Deletes the current row and numbers the rest, in one transaction; the key of the row
    // that followed it, none when it was the last.
    std::optional<qint32> deleteAndRenumber();

    RecordsetPtr& m_rs;
    QString m_table;
    QString m_keyField;
    qint32 m_id = 0;
};

// An editor's position label: "nr (count)", with the count in its Tag.
void showPosition(Label& label, const QString& nr, qint32 count);
