#pragma once
// Every JPEG the runtime loads is decoded here, by libjpeg-turbo straight into an opaque 32-bit
// image, with the same defaults as Qt's reader (accurate DCT, smooth upsampling) and the same
// pixels, CMYK included; neither turns a picture as its Exif data says. A warning of the decoder
// (damaged scan data) keeps what it decoded, as Qt's reader shows it.
// The decode runs under the pictures' limits (picturelimits.h): a declared size past the pixel
// limit is refused before anything is allocated, and the decode stops at the scan limit or the
// time limit. Any refusal or error gives no image; a failed allocation is a passing failure.

#include "decodedpicture.h"

#include <QByteArray>

DecodedPicture decodeJpeg(const QByteArray& bytes);
