#pragma once
// platform/forms: stands in for the old window toolkit's forms, controls and dialogs, on
// Qt Widgets. Its rules:
// - A control keeps its properties as plain values (positions and sizes in its
//   container's scale, twips by default, 15 twips per pixel always); a Qt widget shows
//   them, so everything reads the same while a window is hidden or never shown.
// - A control's widget carries its name as objectName and accessible description.
// - Setting Text, ListIndex or Value from code runs the control's handler at once, and
//   only when the value changes; filling a list runs nothing; a user's choice runs the
//   same handler once. Every handler runs inside the guard (guard.h).
// - Message boxes and the common dialogs go through the replaceable Dialogs (dialogs.h).
// It knows nothing of cards, sets or the program's tables.

#include "checkbox.h"
#include "combobox.h"
#include "commandbutton.h"
#include "dialogs.h"
#include "form.h"
#include "forminstance.h"
#include "frame.h"
#include "keypreview.h"
#include "label.h"
#include "listview.h"
#include "loadingscope.h"
#include "mdiarea.h"
#include "optionbutton.h"
#include "picturebox.h"
#include "screen.h"
#include "systemcolours.h"
#include "taborder.h"
#include "textbox.h"
#include "toolbar.h"
#include "updown.h"
