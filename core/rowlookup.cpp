#include "rowlookup.h"

#include "db/recordset.h"
#include "runtime/vberror.h"

QString keyCriterion(const QString& column, qint64 key) {
    return column + QStringLiteral(" = ") + QString::number(key);
}

bool moveToRow(const RecordsetPtr& rs, const QString& column, qint64 key) {
    if (!rs || (rs->bof() && rs->eof())) return false;
    rs->moveFirst();
    rs->find(keyCriterion(column, key));
    return !rs->eof();
}

QString listKey(const QString& prefix, qint64 key) {
    return prefix + QString::number(key);
}

qint32 keyOfListKey(const QString& itemKey, const QString& prefix) {
    bool ok = false;
    const qint32 key = itemKey.startsWith(prefix) ? itemKey.mid(prefix.size()).toInt(&ok) : 0;
    if (!ok) throw VbError(VbError::TypeMismatch);
    return key;
}
