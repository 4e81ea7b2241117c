#pragma once
// The limits every picture decoder runs under, in the program and in the metafile helper alike.
// A picture past any of them is refused as invalid: a damaged or hostile file must not hold the
// program for minutes or take gigabytes.

#include <QtGlobal>
#include <chrono>

namespace PictureLimits {

// Decoded pixels, whatever the reader: 128 MB at 32 bits a pixel.
constexpr qint64 kMaxPixels = 32LL << 20;
// Scans of a progressive JPEG; an encoder's usual script takes about ten.
constexpr int kMaxScans = 100;
// Wall-clock time of one decode.
constexpr std::chrono::milliseconds kDefaultTimeLimit{3000};

constexpr bool withinPixels(qint64 width, qint64 height) {
    // Divided, not multiplied: two sides near 2^31 would overflow the product.
    return width > 0 && height > 0 && width <= kMaxPixels / height;
}

std::chrono::milliseconds timeLimit();
// Tests replace the time limit; a zero one goes back to the default.
void setTimeLimit(std::chrono::milliseconds limit);

} // namespace PictureLimits
