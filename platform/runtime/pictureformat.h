#pragma once
// Recognises a picture by its first bytes and checks that a raster picture's data is whole:
// Qt's decoders accept a truncated file and fill in the rest, which must count as an invalid
// picture instead. A BMP or GIF whose declared size is past the pixel limit (picturelimits.h) is
// not whole either.

#include <QByteArray>
#include <QSize>

enum class PictureFormat { Unknown, Bmp, Jpeg, Gif, Wmf };

PictureFormat pictureFormatOf(const QByteArray& bytes);

bool isWholeBmp(const QByteArray& bytes);
bool isWholeJpeg(const QByteArray& bytes);
// Only the first image of a GIF is shown, so only its data must be whole.
bool isWholeGif(const QByteArray& bytes);

// The size a BMP or GIF declares (a GIF's screen or first image), when it is past the pixel
// limit; an invalid size otherwise, also for a header cut short.
QSize sizePastPixelLimit(const QByteArray& bytes);
