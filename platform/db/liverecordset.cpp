#include "liverecordset.h"
#include "database.h"
#include "dberrors.h"
#include "runtime/vberror.h"
#include "savepoint.h"

LiveRecordset::LiveRecordset(std::shared_ptr<Database> db, SqlStatement& rows,
                             const std::vector<int>& rowColumns, const ResultLayout& layout)
    : Recordset(Kind::Live, layout.columns), m_db(std::move(db)), m_statements(m_db->handle()),
      m_tables(layout.tables) {
    for (size_t t = 0; t < m_tables.size() && m_identity < 0; ++t)
        if (m_tables[t].keyResult >= 0) m_identity = int(t);
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
    const bool hasRow = index ? key(size_t(*index), info.table).has_value() : info.table == m_identity;
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

void LiveRecordset::insertNewRow() {
    const BaseTable& table = m_tables[size_t(m_identity)];
    QStringList names, quoted, marks;
    for (const auto& assigned : m_assigned) {
        names << columns()[size_t(assigned.first)].origin;
        quoted << quoteIdentifier(names.back());
        marks << QStringLiteral("?");
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table.name))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoteIdentifier(table.name), quoted.join(QStringLiteral(", ")),
                                       marks.join(QStringLiteral(", ")));
    SqlStatement& statement = m_statements.get(sql);
    int parameter = 1;
    for (const auto& assigned : m_assigned)
        statement.bind(parameter++, assigned.second);
    statement.run();

    const qint64 newKey = m_db->lastInsertKey();
    const size_t keysAt = m_keys.size();
    m_keys.resize(keysAt + m_tables.size());
    m_keys[keysAt + size_t(m_identity)] = newKey;
    m_kept.resize(m_kept.size() + size_t(m_keptCount));
    m_assigned.clear();
    cursor().appendNewRow();
    m_db->notifyWrite(Connection::WriteKind::Insert, table.name, newKey, names);
}

void LiveRecordset::updateCurrentRow() {
    const size_t row = size_t(*cursor().row());
    const bool rowKnown = m_current.row == row && m_current.version == m_db->version(m_tables);
    struct TableWrite {
        QStringList names;
        std::vector<Variant> values;
    };
    std::map<int, TableWrite> writes; // by base table
    for (const auto& [column, value] : m_assigned) {
        TableWrite& write = writes[columns()[size_t(column)].table];
        write.names << columns()[size_t(column)].origin;
        write.values.push_back(value);
    }

    std::optional<Savepoint> savepoint;
    if (writes.size() > 1) savepoint.emplace(*m_db);
    for (const auto& [tableIndex, write] : writes) {
        const BaseTable& table = m_tables[size_t(tableIndex)];
        QStringList sets;
        for (const QString& name : write.names)
            sets << quoteIdentifier(name) + QStringLiteral(" = ?");
        SqlStatement& statement =
            m_statements.get(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                 .arg(quoteIdentifier(table.name), sets.join(QStringLiteral(", ")),
                                      quoteIdentifier(table.keyColumn)));
        int parameter = 1;
        for (const Variant& value : write.values)
            statement.bind(parameter++, value);
        statement.bind(parameter, *key(row, tableIndex));
        statement.run();
        if (m_db->changes() == 0)
            throw VbError(
                VbError::NoCurrentRecord,
                QStringLiteral("The row was deleted in the meantime; its changes cannot be written."));
    }
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
