#include "shownrecord.h"

#include "modData.h"
#include "rowlookup.h"

#include "db/transaction.h"
#include "forms/dialogs.h"
#include "forms/label.h"
#include "runtime/vberror.h"

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

void ShownRecord::edit(const std::function<void(Recordset&)>& assign) {
    Recordset& rs = row();
    editRow(rs, [&] { assign(rs); });
}

void ShownRecord::reopenAfterFailedWrite(const RecordView& view, const QString& title, const QString& what,
                                         const VbError& error) {
    view.open();
    if (hasRows()) {
        m_rs->moveLast();
        view.position.setTag(m_rs->field(QStringLiteral("Nr")).concatText());
        if (!locate()) m_rs->moveFirst();
        view.showCurrent();
    } else {
        showPosition(view.position, QStringLiteral("0"), 0);
        view.enable(false);
        forget();
    }
    MsgBox(what + QStringLiteral("\r\n\r\nError %1: %2").arg(error.number()).arg(error.description()),
           vbCritical, title);
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
