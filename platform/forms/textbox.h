#pragma once
// A text box, single line (QLineEdit) or multi-line (QPlainTextEdit). Text is the value
// as set or typed; a multi-line box hands out and takes CR LF line breaks, and SelStart
// and SelLength count a line break as two characters. Change runs when Text changes,
// whether code or the user changed it, and only then. Alt with a key that is no access key
// types nothing (altkeys.h).

#include "control.h"
#include "event.h"

class QLineEdit;
class QPlainTextEdit;

class TextBox : public Control {
public:
    enum class Lines { Single, Multi };

    TextBox(Container& container, const QString& name, Lines lines = Lines::Single);

    const QString& Text() const { return m_text; }
    void setText(const QString& text);

    int SelStart() const;
    void setSelStart(int start); // raises 380 when negative
    int SelLength() const;
    void setSelLength(int length); // raises 380 when negative

    bool MultiLine() const { return m_plainEdit != nullptr; }

    Event<> Change;

private:
    void userEdited();
    QString shownText() const;
    void select(int start, int length);

    QLineEdit* m_lineEdit = nullptr;
    QPlainTextEdit* m_plainEdit = nullptr;
    QString m_text;
};
