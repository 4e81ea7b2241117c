#include "quickjpeg.h"
#include "pictureformat.h"

#include <memory>
#include <turbojpeg.h>

namespace {
struct Decompressor {
    Decompressor() : handle(tjInitDecompress()) {}
    ~Decompressor() {
        if (handle) tjDestroy(handle);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    tjhandle handle;
};
} // namespace

QImage decodeQuickJpeg(const QByteArray& bytes) {
    thread_local Decompressor decompressor;
    if (!decompressor.handle) return {};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(decompressor.handle, data, size, &width, &height, &subsampling, &colourSpace) !=
        0)
        return {};
    if ((colourSpace != TJCS_YCbCr && colourSpace != TJCS_GRAY) || width <= 0 || height <= 0 ||
        qint64(width) * 4 > kLargestDecodedImage / height)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    // BGRX is a 32-bit pixel 0xffRRGGBB in memory order: the image's own format.
    if (tjDecompress2(decompressor.handle, data, size, image.bits(), width, int(image.bytesPerLine()), height,
                      TJPF_BGRX, 0) != 0)
        return {};
    return image;
}
