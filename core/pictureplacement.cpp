#include "pictureplacement.h"

#include "forms/units.h"
#include "runtime/conversions.h"

#include <algorithm>
#include <limits>

namespace placement {
namespace {
constexpr qint16 kPageUp = 33;
constexpr qint16 kPageDown = 34;
constexpr qint16 kEnd = 35;
constexpr qint16 kHome = 36;
constexpr qint16 kLeft = 37;
constexpr qint16 kUp = 38;
constexpr qint16 kRight = 39;
constexpr qint16 kDown = 40;

// Keeps a value where a 32-bit number holds it, so that no drag can overflow.
double within32Bits(double value) {
    return std::clamp(value, double(std::numeric_limits<qint32>::min()),
                      double(std::numeric_limits<qint32>::max()));
}
} // namespace

bool isPlacementKey(qint16 keyCode) {
    return keyCode >= kPageUp && keyCode <= kDown;
}

Offsets afterKey(qint16 keyCode, Offsets offsets, Size framePixels, Size pictureTwips) {
    switch (keyCode) {
    case kPageUp:
        offsets.top = 0;
        break;
    case kPageDown:
        // The bottom edge 3 pixels above the frame's, the right edge (End) only 1.
        offsets.top = (framePixels.height - 3) * twipsPerPixel - pictureTwips.height;
        break;
    case kEnd:
        offsets.left = (framePixels.width - 1) * twipsPerPixel - pictureTwips.width;
        break;
    case kHome:
        offsets.left = 0;
        break;
    case kLeft:
        offsets.left -= twipsPerPixel;
        break;
    case kUp:
        offsets.top -= twipsPerPixel;
        break;
    case kRight:
        offsets.left += twipsPerPixel;
        break;
    case kDown:
        offsets.top += twipsPerPixel;
        break;
    default:
        break;
    }
    return offsets;
}

double handleAfterKey(qint16 keyCode, double handleTop, double handleHighest) {
    switch (keyCode) {
    case kUp:
        return handleTop > kHandleLowest ? handleTop - 1 : handleTop;
    case kDown:
        return handleTop < handleHighest ? handleTop + 1 : handleTop;
    case kEnd:
        return handleHighest;
    case kHome:
        return kHandleLowest;
    default:
        return handleTop;
    }
}

qint32 grabPoint(double position) {
    return CLng(within32Bits(position));
}

double dragged(double offset, double pointer, qint32 grab) {
    return storedOffset(offset + (pointer - grab));
}

double draggedHandle(double handle, double pointerTwips, qint32 grabPixels, double lowest, double highest) {
    const qint32 travel = CLng(within32Bits(pointerTwips / twipsPerPixel - grabPixels));
    return std::clamp(handle + travel, lowest, highest);
}

double storedOffset(double offset) {
    constexpr double largest = std::numeric_limits<float>::max();
    return double(float(std::clamp(offset, -largest, largest)));
}

double within16Bits(double offset) {
    return std::clamp(offset, double(std::numeric_limits<qint16>::min()),
                      double(std::numeric_limits<qint16>::max()));
}

double shownExtent(double stored, double largest) {
    return std::clamp(stored, 0.0, largest);
}

double shownOffset(double stored, double pictureTwips, double roomPixels) {
    const double reach = pictureTwips + roomPixels * twipsPerPixel;
    return std::clamp(stored, -reach, reach);
}

} // namespace placement
