#pragma once
// A push button. An & in the Caption marks the access key, as the toolkit showed it
// ("&&" for an ampersand). Click runs when the user presses it.

#include "control.h"
#include "event.h"

class QPushButton;

class CommandButton : public Control {
public:
    CommandButton(Container& container, const QString& name);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    Event<> Click;

private:
    QString m_caption;
};
