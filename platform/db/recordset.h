#pragma once
// A recordset: the rows of one query and a current position, opened by a Connection.
//
// Snapshot: every row is copied at opening; read-only (assignment, addNew, update and
// deleteCurrent raise 3251); recordCount is exact; setFilter("Name = value") keeps the
// matching rows in memory ("" gives all rows back), stands on the first of them and
// recordCount counts them; find searches them.
//
// Live: a keyset. Only the rows' keys are kept, in query order; every value is read
// from the database when it is read, so another write shows at once and a row that was
// deleted behind its back reads as deleted (3021). Computed columns keep the value of
// the opening run and, like the key, cannot be assigned (DbError::NotUpdatable).
// Assignments are buffered and read back; update() writes only the columns assigned
// since the edit began, each to its own base table (a join writes through), and does
// nothing without assignments. addNew() starts a new current row (unassigned columns
// read Null, Booleans False, the key Null); update() inserts it into the first base
// table whose key is in the result, and it stays current, appended at the END of the
// keyset whatever the ORDER BY, with its new key. cancelUpdate() drops the buffer (and a
// new row, going back to where addNew was called). deleteCurrent() deletes the row and
// stands on it as deleted: fields raise 3021, moveNext goes to the row that followed,
// movePrevious to the one before, and bof() && eof() once no rows remain. Moving (find
// included) or addNew with an edit pending updates it first.
//
// Positions: after opening, the first row; no rows means bof() and eof() both true.
// moveFirst and moveLast with no rows, moveNext at eof, movePrevious at bof, and reading
// a field with no current row raise 3021. Field names match without regard to case; an
// unknown name raises 3265. find(criterion) takes "Name = value" (see criterion.h),
// searches forward from the current row included (from eof nothing) and stands on the
// first match, or at eof. A malformed criterion raises DbError::BadCriterion.
//
// close() drops a pending edit and releases rows and statements; what is left has no
// rows and no fields.

#include "field.h"
#include "resultcolumns.h"
#include "rowcursor.h"

class Recordset {
public:
    enum class Kind { Snapshot, Live };

    virtual ~Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    Kind kind() const { return m_kind; }
    bool bof() const { return m_cursor.bof(); }
    bool eof() const { return m_cursor.eof(); }
    int recordCount() const { return m_cursor.count(); }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void find(const QString& criterion);
    virtual void setFilter(const QString& criterion); // 3251 on a live recordset
    virtual QString filter() const { return {}; }

    Field field(const QString& name);
    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int index) const;
    // The column catalogue's logical type of a column, and the table it comes from ("" for
    // an expression).
    ColumnType fieldType(int index) const;
    QString fieldTable(int index) const;

    virtual void addNew();
    virtual void update();
    virtual void cancelUpdate() {}
    virtual void deleteCurrent();
    virtual bool isEditing() const { return false; }
    virtual void close();

protected:
    Recordset(Kind kind, std::vector<ResultColumn> columns) : m_kind(kind), m_columns(std::move(columns)) {}

    const std::vector<ResultColumn>& columns() const { return m_columns; }
    RowCursor& cursor() { return m_cursor; }
    const RowCursor& cursor() const { return m_cursor; }
    int columnIndex(const QString& name) const; // 3265 when unknown

    // The value of a column in a row, as a search compares it.
    virtual Variant valueAt(int row, int column) = 0;
    // The value of a column of the current row (the cursor is on a row or a new row).
    virtual Variant currentValue(int column) = 0;
    virtual void assign(int column, const Variant& value);
    // Before any move: a live recordset writes its pending edit.
    virtual void finishEdit() {}

    [[noreturn]] static void raiseNotSupported(const QString& what);

private:
    friend class Field;
    Variant value(int column);
    void setValue(int column, const Variant& value);
    void checkColumn(int column) const;

    Kind m_kind;
    std::vector<ResultColumn> m_columns;
    RowCursor m_cursor;
};
