#include "shownrecord.h"

#include "cardtables.h"
#include "modData.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "db/transaction.h"
#include "forms/dialogs.h"
#include "forms/label.h"
#include "runtime/vberror.h"

namespace {
const QString kNr = QStringLiteral("Nr");
} // namespace

ShownRecord::ShownRecord(RecordsetPtr& rs, QString table, QString keyField)
    : m_rs(rs), m_table(std::move(table)), m_keyField(std::move(keyField)) {}

bool ShownRecord::hasRows() const {
    return m_rs && !(m_rs->bof() && m_rs->eof());
}

void ShownRecord::remember() {
    m_id = m_rs->field(m_keyField).toLong();
}

bool ShownRecord::locate() {
    if (m_id == 0 || !hasRows()) return false;
    return moveToRow(m_rs, m_keyField, m_id);
}

Recordset& ShownRecord::row() {
    if (!locate()) throw VbError(VbError::NoCurrentRecord);
    return *m_rs;
}

void ShownRecord::edit(const std::function<void(Recordset&)>& assign,
                       const std::function<void()>& showStored) {
    Recordset& rs = row();
    try {
        editRow(rs, [&] { assign(rs); });
    } catch (const VbError& error) {
        try {
            showStored();
        } catch (const VbError&) {
            // The record cannot be read either (another program holds the database): the
            // message still says that the change is lost.
        }
        throw changeNotSaved(error);
    }
}

void ShownRecord::countInto(Label& position) {
    position.setTag(QString::number(nextNr() - 1));
}

qint32 ShownRecord::nextNr() const {
    return (hasRows() ? m_rs->recordCount() : 0) + 1;
}

void ShownRecord::insertNumbered(qint16 nr, const std::function<void()>& fill) {
    Transaction transaction(*cnData);
    try {
        renumber();
        m_rs->addNew();
        m_rs->field(kNr) = int(nr);
        fill();
        m_rs->update();
        transaction.commit();
    } catch (const VbError&) {
        m_rs->cancelUpdate();
        throw;
    }
    m_rs->moveLast();
}

// Numbers by position, so that no stored number (a gap, a repeat, a text another tool left)
// carries over. A number already in place is not written again: writing rewrites the row,
// pictures and all.
void ShownRecord::renumber() {
    if (!hasRows()) return;
    if (m_rs->recordCount() > kLargestNr) throw VbError(VbError::Overflow);
    cnData->execute(QStringLiteral("UPDATE %1 SET Nr = numbered.n FROM (SELECT %2 AS id, "
                                   "ROW_NUMBER() OVER (ORDER BY Nr, %2) AS n FROM %1 WHERE SetID = %3) "
                                   "AS numbered WHERE %1.%2 = numbered.id AND %1.Nr IS NOT numbered.n")
                        .arg(tableWithoutLargeValues(m_table), m_keyField)
                        .arg(iSetID));
}

std::optional<qint32> ShownRecord::deleteAndRenumber() {
    Transaction transaction(*cnData);
    std::optional<qint32> follower;
    try {
        m_rs->deleteCurrent();
        if (hasRows()) {
            m_rs->moveNext();
            if (!m_rs->eof()) follower = storedKey(m_rs->field(m_keyField));
            renumber();
        }
        transaction.commit();
    } catch (const VbError&) {
        m_rs->cancelUpdate();
        throw;
    }
    return follower;
}

void ShownRecord::showCurrentOrNone(const RecordView& view) {
    const bool rows = hasRows();
    view.enable(rows);
    if (rows)
        view.showCurrent();
    else
        forget();
}

void ShownRecord::deleteShown(const RecordView& view, const QString& title, const QString& what) {
    if (!hasRows()) return;
    if (!locate()) {
        // The record shown is gone already: show what is there instead.
        m_rs->moveFirst();
        view.showCurrent();
        return;
    }
    std::optional<qint32> follower;
    try {
        follower = deleteAndRenumber();
    } catch (const VbError& error) {
        reopenAfterFailedWrite(view, title, what, error);
        return;
    }
    view.open();
    if (!hasRows()) {
        showPosition(view.position, QStringLiteral("0"), 0);
        view.enable(false);
        forget();
        return;
    }
    if (!follower || !moveToRow(m_rs, m_keyField, *follower)) m_rs->moveLast();
    view.showCurrent();
    showPosition(view.position, stored::text(*m_rs, kNr), m_rs->recordCount());
}

void ShownRecord::reopenAfterFailedWrite(const RecordView& view, const QString& title, const QString& what,
                                         const VbError& error) {
    view.open();
    countInto(view.position);
    if (hasRows()) {
        if (!locate()) m_rs->moveFirst();
        view.showCurrent();
    } else {
        showPosition(view.position, QStringLiteral("0"), 0);
        view.enable(false);
        forget();
    }
    MsgBox(what + QStringLiteral("\r\n\r\n") + error.shownText(), vbCritical, title);
}

void ShownRecord::navigate(int index) {
    try {
        switch (index) {
        case 0:
            m_rs->moveFirst();
            break;
        case 1:
            if (!locate()) m_rs->moveFirst();
            m_rs->movePrevious();
            if (m_rs->bof()) m_rs->moveFirst();
            break;
        case 2:
            if (!locate()) m_rs->moveFirst();
            m_rs->moveNext();
            if (m_rs->eof()) m_rs->moveLast();
            break;
        case 3:
            m_rs->moveLast();
            break;
        default:
            break;
        }
    } catch (const VbError&) {
        // Rows lost under the move: the current row is shown as it stands.
    }
}

void showPosition(Label& label, const QString& nr, qint32 count) {
    label.setCaption(nr + QStringLiteral(" (") + QString::number(count) + QStringLiteral(")"));
    label.setTag(QString::number(count));
}
