#pragma once
// A label: plain text only (a caption such as "<b>x</b>" shows as typed), CR LF shown as
// a line break, aligned left, right or centre at the top. Labels stay under the other
// controls of their container and keep their own order among themselves. A label shows its
// container through it until the code gives it a BackColor.
//
// An "&" in the caption marks the access key ("&&" shows one "&"): the letter after it is
// underlined, the "&" not drawn, and Alt with the letter moves the focus to the first
// control after the label in tab order that can take it (taborder.h). A label that shows
// data, such as a card's text, sets UseMnemonic to False: its "&" shows as typed, it has
// no access key, and its text is no caption that must fit the label.
//
// For screen readers a caption names the control it stands for: the one its access key
// reaches, if that stands in the label's container and is no button, which has a caption
// of its own.

#include "control.h"

#include <QPointer>

class QLabel;

constexpr int vbLeftJustify = 0;
constexpr int vbRightJustify = 1;
constexpr int vbCenter = 2;

class Label : public Control {
public:
    Label(Container& container, const QString& name);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment); // raises 380 for anything but the three alignments
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    bool UseMnemonic() const { return m_useMnemonic; }
    void setUseMnemonic(bool useMnemonic);

    // Finds the control the caption names, once its window's tab order is in place; the
    // control's accessible name follows the caption from then on.
    void nameTheControlItStandsFor();

private:
    QLabel* label() const;
    void showAccessibleName();

    QString m_caption;
    int m_alignment = vbLeftJustify;
    bool m_wordWrap = false;
    bool m_useMnemonic = true;
    QPointer<QWidget> m_named;
};
