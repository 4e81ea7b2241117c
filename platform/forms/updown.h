#pragma once
// An up-down control with its buddy text box, shown as one QSpinBox: the spin box carries
// the up-down's name, its line edit the buddy's. Value stays within Min..Max: a value from
// code past the range is clamped (the old control refused it with 380), so a clamped value
// is only shown, never written by a handler that did not run. Change runs when Value
// changes, whether code, the arrows or typing in the buddy changed it, and only then.

#include "control.h"
#include "event.h"

class QSpinBox;
class UpDown;

// The buddy text box: the up-down's value as text. Text that is a whole number sets the
// value; any other text leaves it as it was.
class UpDownBuddy {
public:
    explicit UpDownBuddy(UpDown& upDown) : m_upDown(upDown) {}
    UpDownBuddy(const UpDownBuddy&) = delete;
    UpDownBuddy& operator=(const UpDownBuddy&) = delete;

    QString Text() const;
    void setText(const QString& text);

private:
    UpDown& m_upDown;
};

class UpDown : public Control {
public:
    UpDown(Container& container, const QString& name, const QString& buddyName);

    qint32 Value() const { return m_value; }
    void setValue(qint32 value);
    qint32 Min() const { return m_min; }
    qint32 Max() const { return m_max; }
    void setRange(qint32 min, qint32 max); // raises 380 when min > max

    UpDownBuddy& Buddy() { return m_buddy; }

    Event<> Change;

private:
    QSpinBox* spinBox() const;
    void userChanged(int value);

    qint32 m_min = 0;
    qint32 m_max = 10;
    qint32 m_value = 0;
    UpDownBuddy m_buddy{*this};
};
