#include "plainbmp.h"
#include "picturelimits.h"

#include <QtEndian>
#include <cstdlib>

namespace {
constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kInfoHeaderSize = 40;

quint32 littleEndian32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 littleEndian16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
} // namespace

QImage decodePlainBmp(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderSize + qsizetype(kInfoHeaderSize)) return {};
    const quint32 pixelsAt = littleEndian32(bytes, 10);
    const quint32 headerSize = littleEndian32(bytes, 14);
    const qint64 width = qint32(littleEndian32(bytes, 18));
    const qint64 height = qint32(littleEndian32(bytes, 22)); // negative for rows stored top-down
    const bool plain = headerSize >= kInfoHeaderSize && littleEndian16(bytes, 26) == 1 &&
                       littleEndian16(bytes, 28) == 24 && littleEndian32(bytes, 30) == 0;
    if (!plain || width <= 0 || height == 0 || pixelsAt < kFileHeaderSize + headerSize) return {};
    const qint64 rows = std::abs(height);
    const qint64 rowBytes = (width * 3 + 3) / 4 * 4;
    if (!PictureLimits::withinPixels(width, rows) || pixelsAt + rowBytes * rows > bytes.size()) return {};

    QImage image(int(width), int(rows), QImage::Format_RGB32);
    if (image.isNull()) return {};
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + pixelsAt;
    for (qint64 y = 0; y < rows; ++y) {
        const uchar* source = pixels + rowBytes * (height > 0 ? rows - 1 - y : y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        // Blue, green, red are the low three bytes of a little-endian 32-bit pixel: read four at
        // once, all but the row's last pixel, whose fourth byte may lie past the data.
        qint64 x = 0;
        for (; x + 1 < width; ++x, source += 3)
            target[x] = 0xFF000000u | qFromLittleEndian<quint32>(source);
        target[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}
