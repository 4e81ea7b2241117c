#pragma once
// The commonest JPEG, colour or grey, decoded by TurboJPEG straight into an opaque 32-bit image:
// Qt's reader runs the same libjpeg-turbo with the same defaults (accurate DCT, smooth
// upsampling) and gives the same pixels, at twice the cost; neither turns a picture as its
// Exif data says. What Qt's reader might take differently gives a null image, and Qt's reader
// takes it: other colour spaces (CMYK, YCCK, RGB), any warning or error of the decoder, and
// pictures above Qt's size limit.

#include <QByteArray>
#include <QImage>

QImage decodeQuickJpeg(const QByteArray& bytes);
