#include "jpegencoder.h"

#include <turbojpeg.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

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

// 0, or the errno of the failure: the caller tells the user why (a full disk, a long name).
int writeFile(const std::string& fileName, const unsigned char* bytes, unsigned long size) {
    const int file = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0) return errno;
    int error = 0;
    while (size > 0 && error == 0) {
        const ssize_t written = ::write(file, bytes, size);
        if (written < 0) {
            if (errno != EINTR) error = errno;
            continue;
        }
        bytes += written;
        size -= static_cast<unsigned long>(written);
    }
    if (::close(file) != 0 && error == 0 && errno != EINTR) error = errno;
    return error;
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
    properties.fileError = writeFile(properties.fileName, buffer.get(), size);
    return properties.fileError == 0 ? JpegOk : JpegFileWriteFailed;
}

int jpegFree(JpegProperties& properties) {
    properties.encoder.reset();
    return JpegOk;
}

} // namespace jpeglib
