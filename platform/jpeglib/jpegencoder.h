#pragma once
// Stands in for the outside JPEG library the JPEG writer was made for. A caller fills a property
// record with a 24-bit picture in memory (blue, green, red per pixel, each row followed by its
// padding) and a target file name, then calls init, write and free in that order. Every call
// returns a status: 0 for success, one of JpegStatus otherwise; nothing is thrown. The picture is
// written whole at its own size; the encoding is libjpeg-turbo's. The file is written in place:
// replacing a file safely is the caller's business. jpegEncode gives the same bytes in memory,
// without a file name.

#include <memory>
#include <string>

namespace jpeglib {

enum JpegStatus : int {
    JpegOk = 0,
    JpegInitFailed = 1,
    JpegNotInitialised = 2,
    JpegBadPicture = 3, // no pixels, a size below 1, a negative padding or rows too long
    JpegBadQuality = 4, // outside 1..100
    JpegNoFileName = 5,
    JpegEncodeFailed = 6,
    JpegFileWriteFailed = 7,
};

struct JpegEncoderRelease {
    void operator()(void* encoder) const;
};

struct JpegBufferRelease {
    void operator()(unsigned char* buffer) const;
};

// An encoded picture: the bytes a write puts in the file.
struct JpegBytes {
    std::unique_ptr<unsigned char, JpegBufferRelease> data;
    unsigned long size = 0;
};

struct JpegProperties {
    const unsigned char* pixels = nullptr; // first byte of the row stored first
    int width = 0;
    int height = 0;       // negative: the rows are stored bottom-up, the picture's bottom line first
    int padBytes = 0;     // bytes after the pixels of each row
    std::string fileName; // in the file system's encoding
    int quality = 0;      // 1..100
    int fileError = 0;    // what the system said (errno) when the file write failed

    // Set by jpegInit, released by jpegFree or at the end of the record's life.
    std::unique_ptr<void, JpegEncoderRelease> encoder;
};

int jpegInit(JpegProperties& properties);
int jpegWriteWholeImage(JpegProperties& properties);
int jpegEncode(JpegProperties& properties, JpegBytes& bytes);
int jpegFree(JpegProperties& properties);

} // namespace jpeglib
