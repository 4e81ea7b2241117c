#pragma once
// The record row at the top of an editor window: add and delete as picture buttons, the
// four navigation buttons (first, previous, next, last) around the position label.

#include "forms/commandbutton.h"
#include "forms/label.h"

#include <deque>

class Container;

struct NavigationRow {
    CommandButton& add;
    QString addTip;
    CommandButton& remove;
    QString removeTip;
    std::deque<CommandButton>& nav;
    QString navName; // the buttons are named navName(0) to navName(3)
    Label& position;
};

// Makes the navigation buttons in `window` and places the row; the next control stands at
// kNavigationRowEnd.
void placeNavigationRow(Container& window, const NavigationRow& row);

constexpr double kNavigationRowEnd = 276;
