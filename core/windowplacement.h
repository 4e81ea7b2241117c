#pragma once
// The main window's size, place and state as the settings store keeps them: each value
// as text, one that is absent or unreadable taking its default, and a normal window
// pulled onto the screen without changing its size. All measures are twips.

#include <QString>

struct StoredPlacement {
    QString width, height, left, top, state;
};

struct WindowPlacement {
    double left = 0, top = 0, width = 0, height = 0;
    int state = 0; // vbWindowNormal, vbMinimized or vbMaximized
};

// Without a stored width the window takes a third of the screen, or the width its set
// panel needs where that is more (up to the screen's).
WindowPlacement placeWindow(const StoredPlacement& stored, double screenWidth, double screenHeight,
                            double neededWidth = 0);
