#pragma once
// Stands in for the old common controls' toolbar: a row of tool buttons addressed by their
// 1-based position or their key, wrapped onto more rows when the width does not hold them
// all, so that every button stays reachable (the owner gives the toolbar the height that
// FittingHeight asks for). A button is normal, a separator, a placeholder (an empty gap) or
// a toggle (check) button; it shows its icon and its caption beside it, either of them
// alone when it has only one, and its tool tip (its caption unless given). The tool tip
// names the button for accessibility tools. ButtonClick runs when the user clicks a normal
// or toggle button, after a toggle has changed its own Value; setting Value from code runs
// nothing.

#include "control.h"
#include "event.h"

#include <vector>

class FlowLayout;
class QToolButton;

constexpr int tbrUnpressed = 0;
constexpr int tbrPressed = 1;

struct ToolbarButton {
    int index = 0; // 1-based
    QString key;
    int value = tbrUnpressed;
};

class Toolbar : public Control {
public:
    enum class Style { Normal, Check, Separator, Placeholder };

    Toolbar(Container& container, const QString& name);

    // Adds a button at the end; icon is an image file or resource path, "" for none.
    void addButton(Style style, const QString& key = {}, const QString& caption = {},
                   const QString& icon = {}, const QString& toolTipText = {});
    int ButtonCount() const { return int(m_buttons.size()); }
    // Raise 381 for a position outside 1..ButtonCount, setButtonValue 380 for a value
    // other than pressed or unpressed.
    const QString& ButtonKey(int index) const;
    int ButtonValue(int index) const;
    void setButtonValue(int index, int value);
    // The height the buttons take at the given width, both in the container's scale.
    double FittingHeight(double width) const;

    Event<const ToolbarButton&> ButtonClick;

private:
    struct Button {
        Style style;
        QString key;
        int value = tbrUnpressed;
        QToolButton* widget = nullptr; // a child of the toolbar; none for gaps
    };

    const Button& button(int index) const;
    void addWidget(QWidget* item);
    void userClicked(int index);

    FlowLayout* m_layout; // owned by the widget
    std::vector<Button> m_buttons;
};
