#pragma once
// Alt with a key that is no access key of the window types nothing into a text field. X11
// hands such a key on with its character as text, which a line edit would insert (and the
// program store). AltGr still types: it arrives as Qt::GroupSwitchModifier or, on some
// systems, as Ctrl+Alt; and a text other than the key's own character was made by a level
// shift (AltGr read as Alt, the Mac's Option), so it types too. Compose and input methods
// come as input method events and are not touched.

#include <QKeyEvent>

// True for a key press whose text would be typed although Alt alone is held.
bool altKeyTypesNothing(const QKeyEvent& event);

// An editor widget that leaves such keys to its window, as any key it does not handle.
template <class Editor> class AltKeysIgnored : public Editor {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (altKeyTypesNothing(*event)) {
            event->ignore();
            return;
        }
        Editor::keyPressEvent(event);
    }
};
