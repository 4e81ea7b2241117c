#include "columncatalogue.h"
#include "sqlstatement.h"

ColumnType TableInfo::typeOf(const QString& column) const {
    return types.value(column.toLower(), ColumnType::Other);
}

const TableInfo& ColumnCatalogue::table(const QString& name) {
    const QString id = name.toLower();
    if (const auto found = m_tables.find(id); found != m_tables.end()) return found->second;

    SqlStatement statement(m_db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"));
    statement.bind(1, Variant(name));
    struct Column {
        QString name, type;
        bool primaryKey;
    };
    std::vector<Column> columns;
    int primaryKeyColumns = 0;
    while (statement.next()) {
        columns.push_back(
            {statement.value(0).toText(), statement.value(1).toText(), statement.value(2).toBool()});
        primaryKeyColumns += columns.back().primaryKey ? 1 : 0;
    }

    TableInfo info;
    for (const Column& column : columns) {
        // Only a single INTEGER primary key is the row's own key (the rowid).
        const ColumnType type =
            columnTypeFromDeclaration(column.type, column.primaryKey && primaryKeyColumns == 1);
        if (type == ColumnType::Key) info.keyColumn = column.name;
        info.types.insert(column.name.toLower(), type);
    }
    if (!info.keyColumn.isEmpty()) {
        SqlStatement references(m_db,
                                QStringLiteral("SELECT \"table\", \"from\" FROM pragma_foreign_key_list(?)"));
        references.bind(1, Variant(name));
        while (references.next())
            if (references.value(1).toText().compare(info.keyColumn, Qt::CaseInsensitive) == 0)
                info.extends = references.value(0).toText();
    }
    return m_tables.emplace(id, std::move(info)).first->second;
}
