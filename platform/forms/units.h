#pragma once
// Positions and sizes in the old toolkit's scales. A twip is 1/15 of a pixel in both
// directions, always: stored picture offsets are twips written at that scale.

#include <QtGlobal>

constexpr int vbTwips = 1;
constexpr int vbPixels = 3;
constexpr double twipsPerPixel = 15.0;

// Raises 380 for a scale mode other than twips or pixels.
void checkScaleMode(int scaleMode);

// The pixel a twips value is shown at: the runtime's rounding, halves to even.
int displayPixels(double twips);

// A position or size as it was last set, with the scale it was set in, so that it reads
// back exactly in that scale and converts only when read in the other one.
class ScaledValue {
public:
    ScaledValue() = default;
    ScaledValue(double value, int scaleMode) : m_value(value), m_scaleMode(scaleMode) {}

    double in(int scaleMode) const;
    int pixels() const;

private:
    double m_value = 0.0;
    int m_scaleMode = vbTwips;
};
