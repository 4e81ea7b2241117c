#pragma once
// What a picture decoder hands back: the image, or why there is none. Only a failure that the
// bytes themselves cause holds for the rest of the run; the others may pass.

#include <QImage>

enum class DecodeFailure {
    Bytes,     // damaged, of no known kind, or past the pixel or scan limit
    OutOfTime, // past the time limit: the bytes, or only a busy machine
    Passing,   // a helper that could not start, a failed allocation
};

struct DecodedPicture {
    QImage image;                                 // null when the decode failed
    DecodeFailure failure = DecodeFailure::Bytes; // why, when it failed
    QSize oversize{};                             // the declared size, when past the pixel limit
};
