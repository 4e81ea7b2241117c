#pragma once
// Stands in for the client area of the old toolkit's MDI main window: a QMdiArea in which
// the program's child windows live, each in a QMdiSubWindow. The program has one, in its
// main window: a form made as an MDI child moves into it when it loads (see Form). A
// sub-window's close box unloads its form, and the form takes its sub-window with it. The
// area shows scroll bars whenever a child window reaches past it, and scrolls the least that
// brings into view a child window as it is shown and a control that the keyboard or the code
// gives the focus.
// Once its main window unloads, the area hosts nothing more.

#include "control.h"

#include <vector>

class Form;

class MdiArea : public Control {
public:
    MdiArea(Container& container, const QString& name);
    ~MdiArea() override;

    // The area that hosts new child windows, or nullptr when there is none.
    static MdiArea* current();

    // Puts the form into a new sub-window, hidden.
    void host(Form& form);
    // The forms living in the area, in the order they came.
    std::vector<Form*> forms() const;
    // Hosts nothing more: its main window is going.
    void retire();
};
