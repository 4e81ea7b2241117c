#include "jpegencoder.h"

#include <turbojpeg.h>

#include <cstdlib>
#include <fstream>
#include <limits>

namespace jpeglib {
namespace {
struct JpegBufferRelease {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using JpegBuffer = std::unique_ptr<unsigned char, JpegBufferRelease>;

bool validPicture(const JpegProperties& p) {
    return p.pixels && p.width > 0 && p.height != 0 && p.height != std::numeric_limits<int>::min() &&
           p.padBytes >= 0;
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

int jpegInit(JpegProperties& properties) {
    properties.encoder.reset(tjInitCompress());
    return properties.encoder ? JpegOk : JpegInitFailed;
}

int jpegWriteWholeImage(JpegProperties& properties) {
    if (!properties.encoder) return JpegNotInitialised;
    if (!validPicture(properties)) return JpegBadPicture;
    if (properties.quality < 1 || properties.quality > 100) return JpegBadQuality;
    if (properties.fileName.empty()) return JpegNoFileName;

    const long long pitch = 3LL * properties.width + properties.padBytes;
    if (pitch > std::numeric_limits<int>::max()) return JpegBadPicture;
    const bool bottomUp = properties.height < 0;
    const int rows = std::abs(properties.height);

    unsigned char* encoded = nullptr;
    unsigned long size = 0;
    const int result = tjCompress2(properties.encoder.get(), properties.pixels, properties.width,
                                   static_cast<int>(pitch), rows, TJPF_BGR, &encoded, &size, TJSAMP_420,
                                   properties.quality, bottomUp ? TJFLAG_BOTTOMUP : 0);
    const JpegBuffer buffer(encoded);
    if (result != 0) return JpegEncodeFailed;
    return writeFile(properties.fileName, buffer.get(), size) ? JpegOk : JpegFileWriteFailed;
}

int jpegFree(JpegProperties& properties) {
    properties.encoder.reset();
    return JpegOk;
}

} // namespace jpeglib
