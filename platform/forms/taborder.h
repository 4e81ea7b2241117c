#pragma once
// The order in which the keyboard walks a window's controls. Unless set, it is the order
// in which the controls were made, labels included: a label's access key goes to the
// first control after it that can take the focus.

#include <map>
#include <vector>

class Control;
class QWidget;

// Tab visits the controls in this order. A label in the list, which Tab passes by, takes
// its place just ahead of the control after it, so that its access key goes there.
void setTabOrder(const std::vector<Control*>& order);

// The label that names each control that has one.
using CaptionLabels = std::map<const Control*, Control*>;
// The same, with each control's label just ahead of it, where its access key goes.
void setTabOrder(const std::vector<Control*>& order, const CaptionLabels& captions);

// The first widget after this one's place in its window's tab order that can take the
// focus now (from Tab, enabled, shown); null when there is none but itself. In a child
// window of the MDI area the walk stays inside that window.
QWidget* nextFocusable(const QWidget* widget);

// The widget a label's access key is for: the first after the label's place in tab order
// that takes the focus from Tab, whatever its state now; null when the window's order ends
// first.
QWidget* accessKeyTarget(const QWidget* label);

// The first widget inside the container, in its window's tab order, that can take the focus
// now; null when there is none.
QWidget* firstFocusableInside(const QWidget* container);
