#pragma once
// The snapshot recordset (see recordset.h): every row copied at opening, read-only,
// filtered in memory.

#include "recordset.h"

class SqlStatement;

class SnapshotRecordset final : public Recordset {
public:
    // Runs the statement to its end.
    SnapshotRecordset(SqlStatement& statement, std::vector<ResultColumn> columns);

    void setFilter(const QString& criterion) override;
    QString filter() const override { return m_filter; }
    void close() override;

protected:
    Variant valueAt(int row, int column) override;
    Variant currentValue(int column) override { return valueAt(*cursor().row(), column); }

private:
    std::vector<std::vector<Variant>> m_rows;
    std::vector<int> m_view; // the rows the filter lets through, in order
    QString m_filter;
};
