#include "liverecordset.h"
#include "database.h"
#include "dberrors.h"
#include "keyedupdate.h"
#include "runtime/vberror.h"
#include "savepoint.h"

LiveRecordset::LiveRecordset(std::shared_ptr<Database> db, SqlStatement& rows,
                             const std::vector<int>& rowColumns, const ResultLayout& layout)
    : Recordset(Kind::Live, layout.columns), m_db(std::move(db)), m_statements(m_db->handle()),
      m_tables(layout.tables) {
    for (size_t t = 0; t < m_tables.size() && m_identity < 0; ++t)
        if (m_tables[t].keyResult >= 0 && m_tables[t].extends < 0) m_identity = int(t);
    for (int column = 0; column < int(layout.columns.size()); ++column)
        m_keptSlot.push_back(layout.readByKey(column) ? -1 : m_keptCount++);

    int count = 0;
    while (rows.next()) {
        for (const BaseTable& table : m_tables)
            m_keys.push_back(table.keyResult >= 0 ? rows.integerValue(rowColumns[size_t(table.keyResult)])
                                                  : std::nullopt);
        for (size_t i = 0; i < columns().size(); ++i)
            if (m_keptSlot[i] >= 0)
                m_kept.push_back(fromStorage(columns()[i].type, rows.value(rowColumns[i])));
        ++count;
    }
    cursor().reset(count);
}

void LiveRecordset::addNew() {
    if (m_identity < 0) raiseNotSupported(QStringLiteral("AddNew"));
    finishEdit();
    cursor().beginNewRow();
}

void LiveRecordset::update() {
    if (cursor().onNewRow())
        insertNewRow();
    else if (!m_assigned.empty())
        updateCurrentRow();
}

void LiveRecordset::cancelUpdate() {
    m_assigned.clear();
    if (cursor().onNewRow()) cursor().cancelNewRow();
}

void LiveRecordset::deleteCurrent() {
    if (cursor().onNewRow()) {
        cancelUpdate();
        return;
    }
    if (m_identity < 0) raiseNotSupported(QStringLiteral("Delete"));
    const auto index = cursor().row();
    if (!index) throw VbError(VbError::NoCurrentRecord);
    m_assigned.clear();

    const BaseTable& table = m_tables[size_t(m_identity)];
    if (const auto rowKey = key(size_t(*index), m_identity)) {
        SqlStatement& statement =
            m_statements.get(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                 .arg(quoteIdentifier(table.name), quoteIdentifier(table.keyColumn)));
        statement.bind(1, *rowKey);
        statement.run();
        if (m_db->changes() > 0) m_db->notifyWrite(Connection::WriteKind::Delete, table.name, *rowKey, {});
    }
    const auto keysAt = m_keys.begin() + qsizetype(size_t(*index) * m_tables.size());
    m_keys.erase(keysAt, keysAt + qsizetype(m_tables.size()));
    const auto keptAt = m_kept.begin() + qsizetype(size_t(*index) * size_t(m_keptCount));
    m_kept.erase(keptAt, keptAt + m_keptCount);
    cursor().removeCurrent();
}

void LiveRecordset::close() {
    Recordset::close();
    m_assigned.clear();
    m_keys.clear();
    m_kept.clear();
    m_statements.clear();
    m_tableReads.clear();
    m_tables.clear();
    m_keptSlot.clear();
    m_keptCount = 0;
    m_identity = -1;
}

Variant LiveRecordset::valueAt(int row, int column) {
    if (isKept(column)) return kept(size_t(row), column);
    const ResultColumn& info = columns()[size_t(column)];
    if (m_tables[size_t(info.table)].keyResult == column) {
        // A search on a key stays in memory.
        const auto& rowKey = key(size_t(row), info.table);
        return rowKey ? Variant(*rowKey) : Variant();
    }
    return fromStorage(info.type, readStored(size_t(row), column).value_or(Variant()));
}

Variant LiveRecordset::currentValue(int column) {
    const ResultColumn& info = columns()[size_t(column)];
    if (const auto assigned = m_assigned.find(column); assigned != m_assigned.end())
        return fromStorage(info.type, assigned->second);
    if (cursor().onNewRow()) return fromStorage(info.type, Variant());
    const size_t index = size_t(*cursor().row());
    if (isKept(column)) return kept(index, column);
    const auto stored = currentStored(index, column);
    // Gone from its own table the row is deleted; a joined row that went reads Null.
    if (!stored && info.table == m_identity) throw VbError(VbError::NoCurrentRecord);
    return fromStorage(info.type, stored.value_or(Variant()));
}

void LiveRecordset::assign(int column, const Variant& value) {
    const auto index = cursor().row();
    if (!index && !cursor().onNewRow()) throw VbError(VbError::NoCurrentRecord);
    const ResultColumn& info = columns()[size_t(column)];
    if (isKept(column)) raiseNotUpdatable(info.name);
    const bool hasRow = index ? key(size_t(*index), info.table).has_value() : goesIntoNewRow(info.table);
    if (!hasRow) raiseNotUpdatable(info.name);
    m_assigned[column] = toStorage(info.type, value);
}

void LiveRecordset::finishEdit() {
    if (isEditing()) update();
}

std::optional<Variant> LiveRecordset::currentStored(size_t row, int column) {
    const Database::Version version = m_db->version(m_tables);
    if (m_current.row != row || m_current.version != version) m_current = {row, version, {}};
    if (const auto known = m_current.values.find(column); known != m_current.values.end())
        return known->second;
    readCurrentTable(row, columns()[size_t(column)].table);
    return m_current.values.at(column);
}

// A row that becomes current is mostly read whole (a card is drawn from nearly all its columns), and
// every statement run takes the database's lock anew: one statement per table, not per column.
void LiveRecordset::readCurrentTable(size_t row, int table) {
    const TableRead& read = tableRead(table);
    const auto& rowKey = key(row, table);
    if (!rowKey) { // no row on that side of an outer join
        for (const int column : read.columns)
            m_current.values[column] = Variant();
        return;
    }
    SqlStatement& statement = m_statements.get(read.sql);
    statement.bind(1, *rowKey);
    const auto values = statement.firstRow();
    for (size_t i = 0; i < read.columns.size(); ++i)
        m_current.values[read.columns[i]] = values ? std::optional<Variant>((*values)[i]) : std::nullopt;
}

const LiveRecordset::TableRead& LiveRecordset::tableRead(int table) {
    if (const auto known = m_tableReads.find(table); known != m_tableReads.end()) return known->second;
    TableRead read;
    QStringList names;
    for (int column = 0; column < int(columns().size()); ++column) {
        if (isKept(column) || columns()[size_t(column)].table != table) continue;
        read.columns.push_back(column);
        names << quoteIdentifier(columns()[size_t(column)].origin);
    }
    const BaseTable& base = m_tables[size_t(table)];
    read.sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                   .arg(names.join(QStringLiteral(", ")), quoteIdentifier(base.name),
                        quoteIdentifier(base.keyColumn));
    return m_tableReads.emplace(table, std::move(read)).first->second;
}

std::optional<Variant> LiveRecordset::readStored(size_t row, int column) {
    const ResultColumn& info = columns()[size_t(column)];
    const BaseTable& table = m_tables[size_t(info.table)];
    const auto& rowKey = key(row, info.table);
    if (!rowKey) return Variant(); // no row on that side of an outer join
    SqlStatement& statement =
        m_statements.get(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                             .arg(quoteIdentifier(info.origin), quoteIdentifier(table.name),
                                  quoteIdentifier(table.keyColumn)));
    statement.bind(1, *rowKey);
    return statement.firstValue();
}

// The row goes into the identity table; the tables that extend it get their columns by its new key,
// in the same savepoint, on the rows that the database made for it.
void LiveRecordset::insertNewRow() {
    const BaseTable& table = m_tables[size_t(m_identity)];
    std::map<int, TableWrite> writes = assignedByTable();
    const TableWrite own = writes[m_identity];
    writes.erase(m_identity);
    QStringList quoted, marks;
    for (const QString& name : own.names) {
        quoted << quoteIdentifier(name);
        marks << QStringLiteral("?");
    }
    const QString sql = own.names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table.name))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoteIdentifier(table.name), quoted.join(QStringLiteral(", ")),
                                       marks.join(QStringLiteral(", ")));
    std::optional<Savepoint> savepoint;
    if (!writes.empty()) savepoint.emplace(*m_db);
    SqlStatement& statement = m_statements.get(sql);
    int parameter = 1;
    for (const Variant& value : own.values)
        statement.bind(parameter++, value);
    statement.run();
    const qint64 newKey = m_db->lastInsertKey();
    for (const auto& [extension, write] : writes)
        writeByKey(extension, write, newKey);
    if (savepoint) savepoint->release();

    const size_t keysAt = m_keys.size();
    m_keys.resize(keysAt + m_tables.size());
    for (size_t t = 0; t < m_tables.size(); ++t)
        if (goesIntoNewRow(int(t))) m_keys[keysAt + t] = newKey;
    m_kept.resize(m_kept.size() + size_t(m_keptCount));
    m_assigned.clear();
    cursor().appendNewRow();
    m_db->notifyWrite(Connection::WriteKind::Insert, table.name, newKey, own.names);
    for (const auto& [extension, write] : writes)
        m_db->notifyWrite(Connection::WriteKind::Update, m_tables[size_t(extension)].name, newKey,
                          write.names);
}

std::map<int, LiveRecordset::TableWrite> LiveRecordset::assignedByTable() const {
    std::map<int, TableWrite> writes;
    for (const auto& [column, value] : m_assigned) {
        TableWrite& write = writes[columns()[size_t(column)].table];
        write.names << columns()[size_t(column)].origin;
        write.values.push_back(value);
    }
    return writes;
}

void LiveRecordset::writeByKey(int tableIndex, const TableWrite& write, qint64 rowKey) {
    const BaseTable& table = m_tables[size_t(tableIndex)];
    // A row that extends another is made when another program deleted it: the row it extends
    // is there, and takes the change.
    const bool extends = table.extends >= 0;
    SqlStatement& statement =
        m_statements.get(extends ? upsertByKeyText(table.name, write.names, table.keyColumn)
                                 : updateByKeyText(table.name, write.names, table.keyColumn));
    int parameter = 1;
    for (const Variant& value : write.values)
        statement.bind(parameter++, value);
    statement.bind(parameter, rowKey);
    statement.run();
    if (!extends && m_db->changes() == 0)
        throw VbError(VbError::NoCurrentRecord,
                      QStringLiteral("The row was deleted in the meantime; its changes cannot be written."));
}

void LiveRecordset::updateCurrentRow() {
    const size_t row = size_t(*cursor().row());
    const bool rowKnown = m_current.row == row && m_current.version == m_db->version(m_tables);
    const std::map<int, TableWrite> writes = assignedByTable();
    std::optional<Savepoint> savepoint;
    if (writes.size() > 1) savepoint.emplace(*m_db);
    for (const auto& [tableIndex, write] : writes)
        writeByKey(tableIndex, write, *key(row, tableIndex));
    if (savepoint) savepoint->release();
    for (const auto& [tableIndex, write] : writes)
        m_db->notifyWrite(Connection::WriteKind::Update, m_tables[size_t(tableIndex)].name,
                          *key(row, tableIndex), write.names);
    // What was written is what is stored: the row stays known, so that it can be shown again
    // while another program holds the database.
    if (rowKnown) {
        for (const auto& [column, value] : m_assigned)
            m_current.values[column] = value;
        m_current.version = m_db->version(m_tables);
    }
    m_assigned.clear();
}

void LiveRecordset::raiseNotUpdatable(const QString& column) {
    throw VbError(DbError::NotUpdatable, QStringLiteral("Field cannot be updated: %1").arg(column));
}
