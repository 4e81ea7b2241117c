#include "resultcolumns.h"
#include "columncatalogue.h"
#include "sqlstatement.h"

#include <algorithm>

ResultLayout describeResult(const SqlStatement& statement, ColumnCatalogue& catalogue) {
    ResultLayout layout;
    for (int i = 0; i < statement.columnCount(); ++i) {
        ResultColumn column{statement.columnName(i), ColumnType::Other, -1, statement.originName(i), {}};
        const QString tableName = statement.tableName(i);
        if (!tableName.isEmpty()) {
            const TableInfo& info = catalogue.table(tableName);
            column.type = info.typeOf(column.origin);
            column.originTable = tableName;
            auto& tables = layout.tables;
            auto found = std::find_if(tables.begin(), tables.end(), [&](const BaseTable& table) {
                return table.name.compare(tableName, Qt::CaseInsensitive) == 0;
            });
            if (found == tables.end()) found = tables.insert(tables.end(), {tableName, info.keyColumn, -1});
            column.table = int(found - tables.begin());
            if (found->keyResult < 0 && column.type == ColumnType::Key) found->keyResult = i;
        }
        layout.columns.push_back(std::move(column));
    }
    for (BaseTable& table : layout.tables) {
        if (table.keyResult >= 0) continue;
        const QString& extended = catalogue.table(table.name).extends;
        const auto base =
            std::find_if(layout.tables.begin(), layout.tables.end(), [&](const BaseTable& other) {
                return other.keyResult >= 0 && other.name.compare(extended, Qt::CaseInsensitive) == 0;
            });
        if (extended.isEmpty() || base == layout.tables.end()) continue;
        table.keyResult = base->keyResult;
        table.extends = int(base - layout.tables.begin());
    }
    return layout;
}
