#pragma once
// Colours are 24-bit &HBBGGRR values (red in the low byte) everywhere in the program and its
// database; they become QColor only where Qt draws.

#include <QColor>
#include <QtGlobal>

constexpr qint32 vbBlack = 0x000000;
constexpr qint32 vbWhite = 0xFFFFFF;

// Components past 0..255 are clamped, as the runtime's RGB did with values above 255.
constexpr qint32 RGB(int r, int g, int b) {
    return qBound(0, r, 255) | qBound(0, g, 255) << 8 | qBound(0, b, 255) << 16;
}

inline QColor toQColor(qint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline qint32 fromQColor(const QColor& colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}
