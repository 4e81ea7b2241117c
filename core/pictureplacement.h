#pragma once
// The arithmetic of placing a card's picture in its frame and of the handle that sizes the
// frame. Offsets are twips of the frame's inner area; the frame and the handle stand in
// pixels of the card. One step is one screen pixel.

#include <QtGlobal>

namespace placement {

constexpr double kHandleLowest = 60; // the smallest Top of the frame-height handle

struct Offsets {
    double left; // PicLeft
    double top;  // PicTop
};

struct Size {
    double width;
    double height;
};

// Page Up to Down: the keys that place a picture.
bool isPlacementKey(qint16 keyCode);

// The offsets after a key without modifier on the picture (Page Up and Down, End, Home,
// arrows); other keys leave them. Nothing holds the picture inside the frame.
Offsets afterKey(qint16 keyCode, Offsets offsets, Size framePixels, Size pictureTwips);

// The handle's Top after a key with Shift alone on the picture: Up and Down by one pixel
// within the bounds, End to the highest, Home to the lowest; other keys leave it.
double handleAfterKey(qint16 keyCode, double handleTop, double handleHighest);

// A pointer position turned into the grab point, halves to even.
qint32 grabPoint(double position);

// The offset a drag leaves: the pointer's travel from the grab point added.
double dragged(double offset, double pointer, qint32 grab);

// The handle's position (pixels) after a drag along it, held within its bounds.
double draggedHandle(double handle, double pointerTwips, qint32 grabPixels, double lowest, double highest);

// An offset as it is stored: single precision, within what single precision holds.
double storedOffset(double offset);

// An offset held within what a 16-bit column stores.
double within16Bits(double offset);

// A stored size of a frame held between none and the largest the card can show, before the
// frame is sized from it: another tool may have left any number there.
double shownExtent(double stored, double largest);

// A stored offset of a picture (twips) held within the picture's and its room's extents
// (the room in pixels) on either side: farther out shows the same, nothing.
double shownOffset(double stored, double pictureTwips, double roomPixels);

} // namespace placement
