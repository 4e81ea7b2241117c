#include "picturebytes.h"

#include <QtEndian>

namespace {
void append16(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

void append32(QByteArray& bytes, quint32 value) {
    append16(bytes, int(value & 0xFFFF));
    append16(bytes, int(value >> 16));
}

// LZW codes of 3 bits packed from the low bit up. A clear code before every second pixel keeps
// the code table from growing past 3 bits, so no compression logic is needed.
QByteArray lzwData(const QList<int>& indices) {
    constexpr int clearCode = 4;
    constexpr int endCode = 5;
    QByteArray data;
    quint32 pending = 0;
    int pendingBits = 0;
    const auto put = [&](int code) {
        pending |= quint32(code) << pendingBits;
        for (pendingBits += 3; pendingBits >= 8; pendingBits -= 8, pending >>= 8)
            data.append(char(pending & 0xFF));
    };
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) put(clearCode);
        put(indices[i]);
    }
    put(endCode);
    if (pendingBits > 0) data.append(char(pending & 0xFF));
    return data;
}
} // namespace

QByteArray gifBytes(const QImage& image, std::optional<QRgb> transparent) {
    QList<QRgb> palette;
    QList<int> indices;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xFF000000;
            if (!palette.contains(colour)) palette.append(colour);
            indices.append(int(palette.indexOf(colour)));
        }
    }
    Q_ASSERT(palette.size() <= 4);
    palette.resize(4, qRgb(0, 0, 0));

    QByteArray bytes("GIF89a");
    append16(bytes, image.width());
    append16(bytes, image.height());
    bytes.append("\x81\x00\x00", 3); // global table of 4 colours
    for (const QRgb colour : palette) {
        bytes.append(char(qRed(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qBlue(colour)));
    }
    if (transparent) {
        bytes.append("\x21\xF9\x04\x01\x00\x00", 6); // graphic control: transparent index follows
        bytes.append(char(palette.indexOf(*transparent | 0xFF000000)));
        bytes.append('\0');
    }
    bytes.append(',');
    append16(bytes, 0);
    append16(bytes, 0);
    append16(bytes, image.width());
    append16(bytes, image.height());
    bytes.append('\0');
    bytes.append(char(2)); // minimum code size
    const QByteArray data = lzwData(indices);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        bytes.append(char(block.size()));
        bytes.append(block);
    }
    bytes.append('\0');
    bytes.append(';');
    return bytes;
}

QByteArray bmpBytes(const QImage& image, quint32 headerSize, bool topDown, int bitsPerPixel) {
    const int bytesPerPixel = bitsPerPixel / 8;
    const int rowSize = (image.width() * bytesPerPixel + 3) / 4 * 4;
    const quint32 pixelsAt = 14 + headerSize;
    QByteArray bytes("BM");
    append32(bytes, pixelsAt + quint32(rowSize * image.height()));
    append32(bytes, 0);
    append32(bytes, pixelsAt);
    append32(bytes, headerSize);
    append32(bytes, quint32(image.width()));
    append32(bytes, quint32(topDown ? -image.height() : image.height()));
    append16(bytes, 1); // planes
    append16(bytes, bitsPerPixel);
    append32(bytes, 0); // no compression
    append32(bytes, quint32(rowSize * image.height()));
    for (int field = 0; field < 4; ++field) // resolution and colour counts
        append32(bytes, 0);
    bytes.append(QByteArray(qsizetype(pixelsAt) - bytes.size(), '\0')); // later header fields unused
    for (int row = 0; row < image.height(); ++row) {
        const int y = topDown ? row : image.height() - 1 - row;
        const qsizetype rowStart = bytes.size();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            bytes.append(char(qBlue(colour)));
            bytes.append(char(qGreen(colour)));
            bytes.append(char(qRed(colour)));
            if (bytesPerPixel == 4) bytes.append('\0');
        }
        bytes.append(QByteArray(rowStart + rowSize - bytes.size(), '\0'));
    }
    return bytes;
}

QByteArray rleBmpBytes(const QImage& image, int bitsPerPixel, QSize declared) {
    if (declared.isEmpty()) declared = image.size();
    QList<QRgb> palette;
    QByteArray data;
    for (int y = image.height() - 1; y >= 0; --y) { // bottom-up
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int run = 1;
            while (x + run < image.width() && run < 255 && image.pixel(x + run, y) == colour)
                ++run;
            if (!palette.contains(colour)) palette.append(colour);
            const int index = int(palette.indexOf(colour));
            data.append(char(run));
            data.append(char(bitsPerPixel == 4 ? index << 4 | index : index)); // both nibbles alike
            x += run;
        }
        data.append("\0\0", 2); // end of line
    }
    data.append("\0\1", 2); // end of bitmap
    const quint32 pixelsAt = 14 + 40 + 4 * quint32(palette.size());
    QByteArray bytes("BM");
    append32(bytes, pixelsAt + quint32(data.size()));
    append32(bytes, 0);
    append32(bytes, pixelsAt);
    append32(bytes, 40);
    append32(bytes, quint32(declared.width()));
    append32(bytes, quint32(declared.height()));
    append16(bytes, 1); // planes
    append16(bytes, bitsPerPixel);
    append32(bytes, bitsPerPixel == 4 ? 2 : 1); // run-length coding of that depth
    append32(bytes, quint32(data.size()));
    append32(bytes, 0); // resolution
    append32(bytes, 0);
    append32(bytes, quint32(palette.size()));
    append32(bytes, 0);
    for (const QRgb colour : palette)
        append32(bytes, colour & 0xFFFFFF); // blue, green, red, zero
    return bytes + data;
}

QByteArray wmfBytes(QSize twips, const QList<WmfFill>& fills, bool placeable) {
    QList<WmfRecord> records = {{0x02FA, {5, 0, 0, 0, 0}}, // CreatePenIndirect: no outline
                                {0x012D, {0}}};            // SelectObject
    for (int i = 0; i < fills.size(); ++i) {
        const WmfFill& fill = fills[i];
        records.append(
            WmfRecord{0x02FC, {0, fill.bgr & 0xFFFF, (fill.bgr >> 16) & 0xFF, 0}}); // CreateBrushIndirect
        records.append(WmfRecord{0x012D, {i + 1}});
        const QRect& r = fill.twips;
        records.append(WmfRecord{0x041B, {r.y() + r.height(), r.x() + r.width(), r.y(), r.x()}}); // Rectangle
    }
    return wmfWithRecords(twips, records, placeable ? 1440 : 0, int(fills.size()) + 1);
}

QByteArray wmfWithRecords(QSize twips, const QList<WmfRecord>& records, int unitsPerInch, int objects) {
    QByteArray body;
    quint32 largestRecord = 0;
    const auto append = [&](const WmfRecord& record) {
        const auto words = quint32(3 + record.parameters.size());
        largestRecord = qMax(largestRecord, words);
        append32(body, words);
        append16(body, record.function);
        for (const int parameter : record.parameters)
            append16(body, parameter);
    };
    append({0x020B, {0, 0}});                          // SetWindowOrg (y, x)
    append({0x020C, {twips.height(), twips.width()}}); // SetWindowExt
    for (const WmfRecord& record : records)
        append(record);
    append({0x0000, {}}); // end of file

    QByteArray bytes;
    if (unitsPerInch > 0) {
        append32(bytes, 0x9AC6CDD7);
        for (const int word : {0, 0, 0, twips.width(), twips.height(), unitsPerInch, 0, 0})
            append16(bytes, word);
        quint16 checksum = 0;
        for (qsizetype at = 0; at < bytes.size(); at += 2)
            checksum ^= qFromLittleEndian<quint16>(bytes.constData() + at);
        append16(bytes, checksum);
    }
    constexpr int headerWords = 9;
    append16(bytes, 1); // in a file
    append16(bytes, headerWords);
    append16(bytes, 0x0300);
    append32(bytes, quint32(headerWords + body.size() / 2));
    append16(bytes, objects);
    append32(bytes, largestRecord);
    append16(bytes, 0);
    bytes.append(body);
    return bytes;
}
