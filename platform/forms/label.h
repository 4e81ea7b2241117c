#pragma once
// A label: plain text only (a caption such as "<b>x</b>" shows as typed), CR LF shown as
// a line break, aligned left, right or centre at the top. Labels stay under the other
// controls of their container and keep their own order among themselves.

#include "control.h"

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

private:
    QLabel* label() const;

    QString m_caption;
    int m_alignment = vbLeftJustify;
    bool m_wordWrap = false;
};
