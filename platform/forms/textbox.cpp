#include "textbox.h"
#include "altkeys.h"
#include "linebreaks.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <climits>

namespace {
std::unique_ptr<QWidget> makeEditor(TextBox::Lines lines) {
    if (lines == TextBox::Lines::Multi) return std::make_unique<AltKeysIgnored<QPlainTextEdit>>();
    return std::make_unique<AltKeysIgnored<QLineEdit>>();
}

void checkNotNegative(int value) {
    if (value < 0) throw VbError(VbError::InvalidPropertyValue);
}
} // namespace

TextBox::TextBox(Container& container, const QString& name, Lines lines)
    : Control(container, name, makeEditor(lines),
              {QPalette::Base, QPalette::Text, vbWindowBackground, vbWindowText}) {
    if (lines == Lines::Multi) {
        m_plainEdit = static_cast<QPlainTextEdit*>(widget());
        m_plainEdit->setTabChangesFocus(true); // Tab goes to the next control, as in any text box
        // textChanged also comes for an identical text; userEdited compares.
        QObject::connect(m_plainEdit, &QPlainTextEdit::textChanged, context(), [this] { userEdited(); });
    } else {
        m_lineEdit = static_cast<QLineEdit*>(widget());
        QObject::connect(m_lineEdit, &QLineEdit::textEdited, context(), [this] { userEdited(); });
    }
}

void TextBox::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    {
        const QSignalBlocker blocker(widget());
        if (m_plainEdit)
            m_plainEdit->setPlainText(toDisplayLines(text));
        else
            m_lineEdit->setText(text);
    }
    Change();
}

void TextBox::userEdited() {
    const QString text = m_plainEdit ? toCrLfLines(shownText()) : shownText();
    if (text == m_text) return;
    m_text = text;
    Change();
}

// What the widget shows, with LF line breaks.
QString TextBox::shownText() const {
    if (m_lineEdit) return m_lineEdit->text();
    QString text = m_plainEdit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

int TextBox::SelStart() const {
    if (m_lineEdit)
        return m_lineEdit->hasSelectedText() ? m_lineEdit->selectionStart() : m_lineEdit->cursorPosition();
    return crlfPosition(shownText(), m_plainEdit->textCursor().selectionStart());
}

int TextBox::SelLength() const {
    if (m_lineEdit) return int(m_lineEdit->selectedText().size());
    const QTextCursor cursor = m_plainEdit->textCursor();
    const QString text = shownText();
    return crlfPosition(text, cursor.selectionEnd()) - crlfPosition(text, cursor.selectionStart());
}

void TextBox::setSelStart(int start) {
    checkNotNegative(start);
    select(start, 0);
}

void TextBox::setSelLength(int length) {
    checkNotNegative(length);
    select(SelStart(), length);
}

// Positions past the end stop at the end.
void TextBox::select(int start, int length) {
    if (m_lineEdit) {
        const int size = int(m_lineEdit->text().size());
        const int from = qMin(start, size);
        m_lineEdit->setSelection(from, qMin(length, size - from));
        return;
    }
    const QString text = shownText();
    const int end = length > INT_MAX - start ? INT_MAX : start + length;
    QTextCursor cursor = m_plainEdit->textCursor();
    cursor.setPosition(lfPosition(text, start));
    cursor.setPosition(lfPosition(text, end), QTextCursor::KeepAnchor);
    m_plainEdit->setTextCursor(cursor);
}
