#include "rowlookup.h"

#include "db/field.h"
#include "db/recordset.h"
#include "runtime/vberror.h"

#include <cmath>
#include <limits>

QString keyCriterion(const QString& column, qint64 key) {
    return column + QStringLiteral(" = ") + QString::number(key);
}

std::optional<qint32> storedKey(const Field& field) {
    const Variant value = field.value();
    if (!value.isNumeric()) return std::nullopt;
    const double number = value.toDouble();
    if (number != std::trunc(number) || number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(number);
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
