#pragma once
// Stands in for the old runtime's Screen object: the size of the primary screen in twips
// (15 per pixel, as everywhere), and its mouse pointer.

class QRect;
class QWidget;

namespace Screen {
double Width();
double Height();
// The part of the screen the window is on (the primary one until it is shown) that windows
// may take, without panels and docks; in pixels.
QRect availableArea(const QWidget& window);
} // namespace Screen

// Shows the hourglass pointer (MousePointer 11) for the life of the scope, so that an error
// never leaves it on.
class HourglassScope {
public:
    HourglassScope();
    ~HourglassScope();
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;
};
