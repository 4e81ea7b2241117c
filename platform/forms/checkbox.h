#pragma once
// A check box with Value 0 (unchecked), 1 (checked) or 2 (grayed). Click runs when Value
// changes, whether code or the user changed it, and only then.

#include "control.h"
#include "event.h"

class QCheckBox;

constexpr int vbUnchecked = 0;
constexpr int vbChecked = 1;
constexpr int vbGrayed = 2;

class CheckBox : public Control {
public:
    CheckBox(Container& container, const QString& name);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int Value() const { return m_value; }
    void setValue(int value); // raises 380 for anything but 0, 1 and 2

    Event<> Click;

private:
    QCheckBox* box() const;
    void userChanged(int state);

    QString m_caption;
    int m_value = vbUnchecked;
};
