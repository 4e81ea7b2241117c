#include "units.h"
#include "runtime/conversions.h"
#include "runtime/vberror.h"

void checkScaleMode(int scaleMode) {
    if (scaleMode != vbTwips && scaleMode != vbPixels) throw VbError(VbError::InvalidPropertyValue);
}

int displayPixels(double twips) {
    return int(roundHalfEven(twips / twipsPerPixel));
}

double ScaledValue::in(int scaleMode) const {
    if (scaleMode == m_scaleMode) return m_value;
    return scaleMode == vbPixels ? m_value / twipsPerPixel : m_value * twipsPerPixel;
}

int ScaledValue::pixels() const {
    // Rounded from the value as set, so a pixel value such as 10.5 is not disturbed by a
    // round trip through twips.
    return m_scaleMode == vbPixels ? int(roundHalfEven(m_value)) : displayPixels(m_value);
}
