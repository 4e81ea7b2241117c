#include "rowcursor.h"
#include "runtime/vberror.h"

namespace {
[[noreturn]] void raiseNoCurrentRow() {
    throw VbError(VbError::NoCurrentRecord);
}
} // namespace

void RowCursor::reset(int count) {
    m_count = count;
    m_index = 0;
    m_state = count > 0 ? State::Row : State::Bof;
}

bool RowCursor::bof() const {
    return m_state == State::Bof || (m_count == 0 && m_state != State::NewRow);
}

bool RowCursor::eof() const {
    return m_state == State::Eof || (m_count == 0 && m_state != State::NewRow);
}

std::optional<int> RowCursor::row() const {
    return m_state == State::Row ? std::optional<int>(m_index) : std::nullopt;
}

int RowCursor::searchStart() const {
    switch (m_state) {
    case State::Bof:
        return 0;
    case State::Eof:
        return m_count;
    default:
        return m_index;
    }
}

void RowCursor::moveFirst() {
    if (m_count == 0) raiseNoCurrentRow();
    moveTo(0);
}

void RowCursor::moveLast() {
    if (m_count == 0) raiseNoCurrentRow();
    moveTo(m_count - 1);
}

void RowCursor::moveNext() {
    if (eof()) raiseNoCurrentRow();
    // After a delete the following row already sits at m_index.
    switch (m_state) {
    case State::Bof:
        moveTo(0);
        break;
    case State::Deleted:
        moveTo(m_index);
        break;
    default:
        moveTo(m_index + 1);
        break;
    }
}

void RowCursor::movePrevious() {
    if (bof()) raiseNoCurrentRow();
    const int index = (m_state == State::Eof ? m_count : m_index) - 1;
    if (index < 0) {
        m_state = State::Bof;
        return;
    }
    moveTo(index);
}

void RowCursor::moveTo(int index) {
    m_index = index;
    m_state = index < m_count ? State::Row : State::Eof;
}

void RowCursor::removeCurrent() {
    --m_count;
    m_state = State::Deleted;
}

void RowCursor::beginNewRow() {
    m_savedState = m_state;
    m_savedIndex = m_index;
    m_state = State::NewRow;
    m_index = m_count;
}

void RowCursor::cancelNewRow() {
    m_state = m_savedState;
    m_index = m_savedIndex;
}

void RowCursor::appendNewRow() {
    ++m_count;
    moveTo(m_count - 1);
}
