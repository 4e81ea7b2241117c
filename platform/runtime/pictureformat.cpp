#include "pictureformat.h"
#include "picturelimits.h"

#include <QByteArrayView>
#include <QtEndian>
#include <climits>
#include <cstdlib>

namespace {
struct Signature {
    QByteArrayView bytes;
    PictureFormat format;
};

constexpr Signature signatures[] = {
    {QByteArrayView("BM", 2), PictureFormat::Bmp},
    {QByteArrayView("\xFF\xD8\xFF", 3), PictureFormat::Jpeg},
    {QByteArrayView("GIF87a", 6), PictureFormat::Gif},
    {QByteArrayView("GIF89a", 6), PictureFormat::Gif},
    {QByteArrayView("\xD7\xCD\xC6\x9A", 4), PictureFormat::Wmf}, // placeable metafile
    {QByteArrayView("\x01\x00\x09\x00", 4), PictureFormat::Wmf}, // standard metafile header
    {QByteArrayView("\x02\x00\x09\x00", 4), PictureFormat::Wmf},
};

quint8 byteAt(const QByteArray& bytes, qsizetype at) {
    return quint8(bytes.at(at));
}
quint16 littleEndian16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 littleEndian32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 bigEndian16(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

// Skips a GIF chain of data sub-blocks; false when the data ends before the chain's terminator.
bool skipSubBlocks(const QByteArray& bytes, qsizetype& at) {
    while (at < bytes.size()) {
        const quint8 length = byteAt(bytes, at++);
        if (length == 0) return true;
        at += length;
    }
    return false;
}

// A GIF's width and height at the given offset.
bool gifSizeWithinPixels(const QByteArray& bytes, qsizetype at) {
    return qint64(littleEndian16(bytes, at)) * littleEndian16(bytes, at + 2) <= PictureLimits::kMaxPixels;
}

qsizetype gifColourTableSize(quint8 flags) {
    return (flags & 0x80) ? 3 << ((flags & 0x07) + 1) : 0;
}
} // namespace

PictureFormat pictureFormatOf(const QByteArray& bytes) {
    for (const Signature& signature : signatures)
        if (bytes.startsWith(signature.bytes)) return signature.format;
    return PictureFormat::Unknown;
}

bool isWholeBmp(const QByteArray& bytes) {
    constexpr qsizetype fileHeaderSize = 14;
    constexpr qsizetype coreHeaderSize = 12; // the oldest bitmap header
    constexpr qsizetype infoHeaderSize = 40;
    if (bytes.size() < fileHeaderSize + coreHeaderSize) return false;
    const qint64 available = bytes.size() - qint64(littleEndian32(bytes, 10));
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitCount = 0;
    quint32 compression = 0;
    quint32 imageSize = 0;
    if (littleEndian32(bytes, 14) == coreHeaderSize) {
        width = littleEndian16(bytes, 18);
        height = littleEndian16(bytes, 20);
        bitCount = littleEndian16(bytes, 24);
    } else {
        if (littleEndian32(bytes, 14) < infoHeaderSize || bytes.size() < fileHeaderSize + infoHeaderSize)
            return false;
        width = qint32(littleEndian32(bytes, 18));
        height = qint32(littleEndian32(bytes, 22)); // negative for rows stored top-down
        bitCount = littleEndian16(bytes, 28);
        compression = littleEndian32(bytes, 30);
        imageSize = littleEndian32(bytes, 34);
    }
    if (!PictureLimits::withinPixels(width, std::abs(height)) || available <= 0) return false;
    switch (compression) {
    case 0: // plain rows, each padded to 4 bytes
    case 3: // the same, with colour masks
    case 6: {
        const qint64 rowSize = (width * bitCount + 31) / 32 * 4;
        return rowSize > 0 && available / rowSize >= std::abs(height);
    }
    case 1: // run-length coded: an end of line or of the bitmap, or a jump, codes any number of pixels
    case 2:
        return available >= imageSize;
    default:
        return true; // kinds Qt cannot read fail in the decoder
    }
}

bool isWholeJpeg(const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    qsizetype at = 2; // after the start-of-image marker
    while (true) {
        // Bytes outside segments (scan data, fill) are passed over, as decoders do.
        while (at < size && byteAt(bytes, at) != 0xFF)
            ++at;
        while (at < size && byteAt(bytes, at) == 0xFF)
            ++at;
        if (at >= size) return false;
        const quint8 marker = byteAt(bytes, at++);
        if (marker == 0xD9) return true; // end of image
        // A stuffed zero or a restart marker inside scan data; 0x01 stands alone.
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (at + 2 > size) return false;
        const qsizetype length = bigEndian16(bytes, at);
        if (length < 2 || at + length > size) return false;
        at += length;
    }
}

bool isWholeGif(const QByteArray& bytes) {
    constexpr qsizetype screenDescriptorEnd = 13;
    constexpr qsizetype imageDescriptorSize = 9;
    if (bytes.size() < screenDescriptorEnd) return false;
    qsizetype at = screenDescriptorEnd + gifColourTableSize(byteAt(bytes, 10));
    while (at < bytes.size()) {
        const quint8 introducer = byteAt(bytes, at++);
        if (introducer == 0x21) { // extension: a label, then sub-blocks
            ++at;
            if (!skipSubBlocks(bytes, at)) return false;
        } else if (introducer == 0x2C) { // image: descriptor, local colours, code size, data
            if (at + imageDescriptorSize > bytes.size()) return false;
            // Qt's reader draws the image on a picture of the screen's size, or the image's.
            if (!gifSizeWithinPixels(bytes, 6) || !gifSizeWithinPixels(bytes, at + 4)) return false;
            at += imageDescriptorSize + gifColourTableSize(byteAt(bytes, at + 8)) + 1;
            return skipSubBlocks(bytes, at);
        } else {
            return false; // the trailer, or junk, before any image
        }
    }
    return false;
}

QSize sizePastPixelLimit(const QByteArray& bytes) {
    const auto past = [](qint64 width, qint64 height) {
        const bool sized = width > 0 && height > 0 && width <= INT_MAX && height <= INT_MAX;
        return sized && !PictureLimits::withinPixels(width, height) ? QSize(int(width), int(height))
                                                                    : QSize();
    };
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp:
        if (bytes.size() < 26) return {};
        if (littleEndian32(bytes, 14) == 12)
            return past(littleEndian16(bytes, 18), littleEndian16(bytes, 20));
        return past(qint32(littleEndian32(bytes, 18)), std::abs(qint64(qint32(littleEndian32(bytes, 22)))));
    case PictureFormat::Gif: {
        if (bytes.size() < 13) return {};
        const QSize screen = past(littleEndian16(bytes, 6), littleEndian16(bytes, 8));
        if (screen.isValid()) return screen;
        const qsizetype image = 13 + gifColourTableSize(byteAt(bytes, 10));
        if (bytes.size() < image + 9 || byteAt(bytes, image) != 0x2C) return {};
        return past(littleEndian16(bytes, image + 5), littleEndian16(bytes, image + 7));
    }
    default:
        return {};
    }
}
