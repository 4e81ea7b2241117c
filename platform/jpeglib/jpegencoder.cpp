#include "jpegencoder.h"

#include <turbojpeg.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

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
    properties.fileError = writeFile(properties.fileName, bytes.data.get(), bytes.size);
    return properties.fileError == 0 ? JpegOk : JpegFileWriteFailed;
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
