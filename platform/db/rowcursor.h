#pragma once
// Where a recordset stands among its rows: before the first (BOF), on a row, on a row
// just deleted (between its neighbours, which moveNext and movePrevious reach), after
// the last (EOF), or on a new row that AddNew started and that will go at the end.
// With no rows, bof() and eof() are both true (except on a new row). Moves that have
// nowhere to go raise 3021.

#include <optional>

class RowCursor {
public:
    void reset(int count); // the first row, or BOF and EOF with none
    int count() const { return m_count; }

    bool bof() const;
    bool eof() const;
    std::optional<int> row() const; // the index of the row it stands on
    bool onNewRow() const { return m_state == State::NewRow; }
    int searchStart() const; // the first row a forward search looks at; count() at EOF

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void moveTo(int index); // count() stands at EOF

    void removeCurrent(); // the current row left the rows: stand where it was
    void beginNewRow();
    void cancelNewRow(); // back where beginNewRow found it
    void appendNewRow(); // the new row joins the rows, last, and stays current

private:
    enum class State { Bof, Row, Deleted, Eof, NewRow };
    State m_state = State::Bof;
    int m_index = 0; // the row, or for Deleted the row that followed it; count for NewRow
    int m_count = 0;
    State m_savedState = State::Bof;
    int m_savedIndex = 0;
};
