#pragma once
// A push button. An & in the Caption marks the access key, as the toolkit showed it
// ("&&" for an ampersand). Click runs when the user presses it, also with Enter or Space while
// it has the focus. A Default button is pressed by Enter anywhere else in its window, a Cancel
// button by Esc, while it is enabled.
// A Picture shows beside (or instead of) the caption. The ToolTipText describes the button to
// screen readers in place of its code name, and names a button that has no caption.

#include "control.h"
#include "event.h"

#include "runtime/picture.h"

class QPushButton;
class QShortcut;

class CommandButton : public Control {
public:
    CommandButton(Container& container, const QString& name);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    bool Default() const { return m_default != nullptr; }
    void setDefault(bool value);
    bool Cancel() const { return m_cancel != nullptr; }
    void setCancel(bool value);

    const QString& ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);

    const ::Picture& Picture() const { return m_picture; }
    void setPicture(const ::Picture& picture);

    Event<> Click;

private:
    QPushButton* button() const;
    QShortcut* makeShortcut(std::initializer_list<int> keys);

    void showAccessibleName();

    QString m_caption;
    QString m_toolTipText;
    ::Picture m_picture;
    QShortcut* m_default = nullptr; // owned by the button
    QShortcut* m_cancel = nullptr;
};
