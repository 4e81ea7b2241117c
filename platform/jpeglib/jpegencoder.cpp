#include "jpegencoder.h"

#include <turbojpeg.h>

#include <cstdlib>
#include <fstream>
#include <limits>

namespace jpeglib {
namespace {
long long pitch(const JpegProperties& p) {
    return 3LL * p.width + p.padBytes;
}

bool validPicture(const JpegProperties& p) {
    return p.pixels && p.width > 0 && p.height != 0 && p.height != std::numeric_limits<int>::min() &&
           p.padBytes >= 0 && pitch(p) <= std::numeric_limits<int>::max();
}

int checked(const JpegProperties& p) {
    if (!p.encoder) return JpegNotInitialised;
    if (!validPicture(p)) return JpegBadPicture;
    if (p.quality < 1 || p.quality > 100) return JpegBadQuality;
    return JpegOk;
}

bool writeFile(const std::string& fileName, const unsigned char* bytes, unsigned long size) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    file.close();
    return !file.fail();
}
} // namespace

void JpegEncoderRelease::operator()(void* encoder) const {
    tjDestroy(encoder);
}

void JpegBufferRelease::operator()(unsigned char* buffer) const {
    tjFree(buffer);
}

int jpegInit(JpegProperties& properties) {
    properties.encoder.reset(tjInitCompress());
    return properties.encoder ? JpegOk : JpegInitFailed;
}

int jpegWriteWholeImage(JpegProperties& properties) {
    if (const int code = checked(properties); code != JpegOk) return code;
    if (properties.fileName.empty()) return JpegNoFileName;
    JpegBytes bytes;
    if (const int code = jpegEncode(properties, bytes); code != JpegOk) return code;
    return writeFile(properties.fileName, bytes.data.get(), bytes.size) ? JpegOk : JpegFileWriteFailed;
}

int jpegEncode(JpegProperties& properties, JpegBytes& bytes) {
    if (const int code = checked(properties); code != JpegOk) return code;
    const int rows = std::abs(properties.height);
    unsigned char* encoded = nullptr;
    unsigned long size = 0;
    const int result =
        tjCompress2(properties.encoder.get(), properties.pixels, properties.width,
                    static_cast<int>(pitch(properties)), rows, TJPF_BGR, &encoded, &size, TJSAMP_420,
                    properties.quality, properties.height < 0 ? TJFLAG_BOTTOMUP : 0);
    bytes.data.reset(encoded);
    bytes.size = result == 0 ? size : 0;
    return result == 0 ? JpegOk : JpegEncodeFailed;
}

int jpegFree(JpegProperties& properties) {
    properties.encoder.reset();
    return JpegOk;
}

} // namespace jpeglib
