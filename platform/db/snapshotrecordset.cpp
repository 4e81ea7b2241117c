#include "snapshotrecordset.h"
#include "criterion.h"
#include "sqlstatement.h"

#include <numeric>

SnapshotRecordset::SnapshotRecordset(SqlStatement& statement, std::vector<ResultColumn> columns)
    : Recordset(Kind::Snapshot, std::move(columns)) {
    while (statement.next()) {
        std::vector<Variant> row;
        row.reserve(this->columns().size());
        for (size_t i = 0; i < this->columns().size(); ++i)
            row.push_back(fromStorage(this->columns()[i].type, statement.value(int(i))));
        m_rows.push_back(std::move(row));
    }
    setFilter({});
}

void SnapshotRecordset::setFilter(const QString& criterion) {
    const auto parsed = parseCriterion(criterion);
    std::vector<int> view;
    if (parsed) {
        const auto column = size_t(columnIndex(parsed->column));
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i][column].matches(parsed->value)) view.push_back(int(i));
    } else {
        view.resize(m_rows.size());
        std::iota(view.begin(), view.end(), 0);
    }
    m_view = std::move(view);
    m_filter = criterion;
    cursor().reset(int(m_view.size()));
}

void SnapshotRecordset::close() {
    Recordset::close();
    m_rows.clear();
    m_view.clear();
    m_filter.clear();
}

Variant SnapshotRecordset::valueAt(int row, int column) {
    return m_rows[size_t(m_view[size_t(row)])][size_t(column)];
}
