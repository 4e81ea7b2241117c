#pragma once
// The record an editor shows, kept by its key. The editor's recordset is shared with the
// batch (and, for small cards, with the other editor), which may move it meanwhile, so
// every write first puts the recordset back on that record.

#include "db/connection.h"
#include "db/recordset.h"

#include <functional>

class Label;
class VbError;

// What an editor does to show its records.
struct RecordView {
    std::function<void()> open;        // opens the editor's recordset anew
    std::function<void(bool)> enable;  // its controls, for a set with records or without
    std::function<void()> showCurrent; // shows the current record
    Label& position;
};

class ShownRecord {
public:
    ShownRecord(RecordsetPtr& rs, QString keyField);

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

    // The last row's Nr, the number of records, into the position label's Tag ("0" without
    // rows); the first row is current afterwards.
    void countInto(Label& position);
    // Shows the current record, or without rows leaves the editor with its controls disabled.
    void showCurrentOrNone(const RecordView& view);
    // Deletes the record shown and shows the one that took its number, or the new last one.
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
    RecordsetPtr& m_rs;
    QString m_keyField;
    qint32 m_id = 0;
};

// An editor's position label: "nr (count)", with the count in its Tag.
void showPosition(Label& label, const QString& nr, qint32 count);
