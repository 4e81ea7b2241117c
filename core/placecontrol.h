#pragma once
// Places a control at its design position and size, in its container's scale.

#include "forms/control.h"

inline void placeControl(Control& control, double left, double top, double width, double height) {
    control.setLeft(left);
    control.setTop(top);
    control.setWidth(width);
    control.setHeight(height);
}
