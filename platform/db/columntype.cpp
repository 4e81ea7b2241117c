#include "columntype.h"
#include "dberrors.h"
#include "runtime/vberror.h"

ColumnType columnTypeFromDeclaration(const QString& declaredType, bool isRowKey) {
    const QString type = declaredType.trimmed().toUpper();
    if (type == QLatin1String("INTEGER")) return isRowKey ? ColumnType::Key : ColumnType::Int32;
    if (type == QLatin1String("SMALLINT")) return ColumnType::Int16;
    if (type == QLatin1String("DOUBLE")) return ColumnType::Double;
    if (type == QLatin1String("BOOLEAN")) return ColumnType::Boolean;
    if (type == QLatin1String("TEXT")) return ColumnType::Text;
    if (type == QLatin1String("LONGTEXT")) return ColumnType::Memo;
    if (type == QLatin1String("BLOB")) return ColumnType::Bytes;
    return ColumnType::Other;
}

Variant toStorage(ColumnType type, const Variant& value) {
    if (type == ColumnType::Key)
        throw VbError(DbError::NotUpdatable,
                      QStringLiteral("Field cannot be updated: the key is given by the "
                                     "database."));
    if (type == ColumnType::Boolean) return Variant(qint64(value.toBool() ? -1 : 0));
    if (value.isNull()) return value;
    switch (type) {
    case ColumnType::Int16:
        return Variant(qint64(value.toInt()));
    case ColumnType::Int32:
        return Variant(qint64(value.toLong()));
    case ColumnType::Double:
        return Variant(value.toDouble());
    case ColumnType::Text:
    case ColumnType::Memo:
        return Variant(value.toText());
    case ColumnType::Bytes:
        return Variant(value.toBytes());
    default:
        return value;
    }
}

Variant fromStorage(ColumnType type, const Variant& stored) {
    // What another tool left in a Boolean that is no number or text of one stays as stored, for
    // its reader to judge, so that opening the rows does not fail on it.
    if (type == ColumnType::Boolean) {
        try {
            return Variant(stored.toBool());
        } catch (const VbError&) {
            return stored;
        }
    }
    if (type == ColumnType::Double && stored.type() == Variant::Type::Integer)
        return Variant(stored.toDouble());
    return stored;
}
