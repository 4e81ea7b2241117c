#include "field.h"
#include "recordset.h"

QString Field::name() const {
    return m_recordset->fieldName(m_column);
}

ColumnType Field::type() const {
    return m_recordset->fieldType(m_column);
}

QString Field::table() const {
    return m_recordset->fieldTable(m_column);
}

Variant Field::value() const {
    return m_recordset->value(m_column);
}

Field& Field::operator=(const Variant& value) {
    m_recordset->setValue(m_column, value);
    return *this;
}

qint64 Field::actualSize() const {
    const Variant current = value();
    switch (current.type()) {
    case Variant::Type::Null:
        return 0;
    case Variant::Type::Bytes:
        return current.toBytes().size();
    default:
        return current.toText().size();
    }
}
