#pragma once
// Recognises a picture by its first bytes and checks that a raster picture's data is whole:
// Qt's decoders accept a truncated file and fill in the rest, which must count as an invalid
// picture instead.

#include <QByteArray>

enum class PictureFormat { Unknown, Bmp, Jpeg, Gif, Wmf };

// Qt's readers refuse images above this many bytes; the runtime's own decoders leave them to Qt.
constexpr qint64 kLargestDecodedImage = qint64(256) * 1024 * 1024;

PictureFormat pictureFormatOf(const QByteArray& bytes);

bool isWholeBmp(const QByteArray& bytes);
bool isWholeJpeg(const QByteArray& bytes);
// Only the first image of a GIF is shown, so only its data must be whole.
bool isWholeGif(const QByteArray& bytes);
