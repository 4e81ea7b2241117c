#pragma once
// The pixels of a picture as one process hands them to another: width and height as unsigned
// 32-bit little-endian numbers, then the pixels row by row from the top, each a little-endian
// 0xAARRGGBB. The reader takes nothing but an exact message of a sane size.

#include "picturelimits.h"

#include <QByteArray>
#include <QImage>

namespace PixelMessage {

constexpr int kMaxSide = 16384; // pixels; anything larger is a corrupt header
constexpr qint64 kMaxPixels = PictureLimits::kMaxPixels;
constexpr qsizetype kHeaderSize = 8;

constexpr qint64 sizeFor(qint64 width, qint64 height) {
    return kHeaderSize + 4 * width * height;
}
constexpr qint64 kMaxSize = sizeFor(1, kMaxPixels);

// An empty message for a null image or one past the limits.
QByteArray write(const QImage& image);
// A null image unless the message is exactly one picture within the limits.
QImage read(const QByteArray& message);

} // namespace PixelMessage
