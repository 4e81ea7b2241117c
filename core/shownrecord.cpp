#include "shownrecord.h"

#include "modData.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "db/transaction.h"
#include "forms/dialogs.h"
#include "forms/label.h"
#include "runtime/vberror.h"

namespace {
// Deletes the current row and moves every follower's Nr down by one, up to the first number
// that no row carries, in one transaction, so that no two rows are left with one number.
void deleteAndRenumber(Recordset& rs, qint32 deletedNr) {
    Transaction transaction(*cnData);
    try {
        rs.deleteCurrent();
        if (!(rs.bof() && rs.eof())) {
            for (qint32 n = deletedNr + 1;; ++n) {
                rs.moveFirst();
                rs.find(keyCriterion(QStringLiteral("Nr"), n));
                if (rs.eof()) break;
                rs.field(QStringLiteral("Nr")) = qint64(n - 1);
                rs.update();
            }
        }
        transaction.commit();
    } catch (const VbError&) {
        rs.cancelUpdate();
        throw;
    }
}
} // namespace

ShownRecord::ShownRecord(RecordsetPtr& rs, QString keyField) : m_rs(rs), m_keyField(std::move(keyField)) {}

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
    if (!hasRows()) {
        position.setTag(QStringLiteral("0"));
        return;
    }
    m_rs->moveLast();
    position.setTag(stored::text(*m_rs, QStringLiteral("Nr")));
    m_rs->moveFirst();
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
    const qint32 deletedNr = stored::number(*m_rs, QStringLiteral("Nr"));
    try {
        deleteAndRenumber(*m_rs, deletedNr);
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
    m_rs->moveLast();
    const qint32 count = stored::number(*m_rs, QStringLiteral("Nr"));
    if (!moveToRow(m_rs, QStringLiteral("Nr"), deletedNr)) m_rs->moveLast();
    view.showCurrent();
    showPosition(view.position, stored::text(*m_rs, QStringLiteral("Nr")), count);
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
