#pragma once
// Where a dialog opens: over the window that opened it. That is the active window, or the
// main window (the one holding the MDI area) when none of the program's windows is active,
// as when a hidden window's handler asks something.

class QRect;
class QDialog;
class QSize;
class QWidget;

// The window a dialog belongs to, never the dialog itself; nullptr when there is none.
QWidget* dialogOwner(const QWidget* dialog = nullptr);
// Where a window of the given size stands with its centre on the opener's: the owner's, or
// that of the child window active in it when the owner holds the MDI area; as far as the
// owner's screen allows.
QRect centredOver(const QSize& size, const QWidget& owner);
// Ties the top-level window to the owner's, so that it stays above it.
void keepAbove(QWidget& window, const QWidget& owner);
// Gives a window that is about to be shown modally a dialog's frame: a title and a close button,
// no minimise or maximise buttons, which would take the title's room.
void useDialogFrame(QWidget& window);
// Runs a Qt dialog modally, centred over its parent (the owner it was made with). Qt's own
// placement misses under a window manager by the title bar, and a message box settles its
// size only as it is shown.
int execCentred(QDialog& dialog);
