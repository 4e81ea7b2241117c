#include "recordset.h"
#include "criterion.h"
#include "dberrors.h"
#include "runtime/vberror.h"

void Recordset::moveFirst() {
    finishEdit();
    m_cursor.moveFirst();
}

void Recordset::moveLast() {
    finishEdit();
    m_cursor.moveLast();
}

void Recordset::moveNext() {
    finishEdit();
    m_cursor.moveNext();
}

void Recordset::movePrevious() {
    finishEdit();
    m_cursor.movePrevious();
}

void Recordset::find(const QString& criterion) {
    const auto parsed = parseCriterion(criterion);
    if (!parsed)
        throw VbError(DbError::BadCriterion,
                      QStringLiteral("Find needs a criterion of the form Name = value."));
    const int column = columnIndex(parsed->column);
    finishEdit();
    int row = m_cursor.searchStart();
    while (row < m_cursor.count() && !valueAt(row, column).matches(parsed->value))
        ++row;
    m_cursor.moveTo(row);
}

void Recordset::setFilter(const QString&) {
    raiseNotSupported(QStringLiteral("Filter"));
}

Field Recordset::field(const QString& name) {
    return Field(*this, columnIndex(name));
}

QString Recordset::fieldName(int index) const {
    checkColumn(index);
    return m_columns[size_t(index)].name;
}

ColumnType Recordset::fieldType(int index) const {
    checkColumn(index);
    return m_columns[size_t(index)].type;
}

QString Recordset::fieldTable(int index) const {
    checkColumn(index);
    return m_columns[size_t(index)].originTable;
}

void Recordset::addNew() {
    raiseNotSupported(QStringLiteral("AddNew"));
}

void Recordset::update() {
    raiseNotSupported(QStringLiteral("Update"));
}

void Recordset::deleteCurrent() {
    raiseNotSupported(QStringLiteral("Delete"));
}

void Recordset::close() {
    m_columns.clear();
    m_cursor.reset(0);
}

int Recordset::columnIndex(const QString& name) const {
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    throw VbError(VbError::ItemNotFound, QStringLiteral("Item not found in this collection: %1").arg(name));
}

void Recordset::assign(int, const Variant&) {
    raiseNotSupported(QStringLiteral("Assigning a field"));
}

void Recordset::raiseNotSupported(const QString& what) {
    throw VbError(VbError::ReadOnlyRecordset,
                  QStringLiteral("%1 is not supported by this recordset.").arg(what));
}

Variant Recordset::value(int column) {
    checkColumn(column);
    if (!m_cursor.row() && !m_cursor.onNewRow()) throw VbError(VbError::NoCurrentRecord);
    return currentValue(column);
}

void Recordset::setValue(int column, const Variant& value) {
    checkColumn(column);
    assign(column, value);
}

void Recordset::checkColumn(int column) const {
    if (column < 0 || size_t(column) >= m_columns.size()) throw VbError(VbError::ItemNotFound);
}
