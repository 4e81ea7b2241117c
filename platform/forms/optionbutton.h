#pragma once
// An option button: of the option buttons in one container, at most one has Value true.
// Setting Value true (by code or by the user's choice) clears the others in the container;
// Click runs on the button that became true, and only when it was not true before.

#include "control.h"
#include "event.h"

class QRadioButton;

class OptionButton : public Control {
public:
    OptionButton(Container& container, const QString& name);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Value() const { return m_value; }
    void setValue(bool value);

    Event<> Click;

private:
    QRadioButton* button() const;
    void toggled(bool checked);

    QString m_caption;
    bool m_value = false;
};
