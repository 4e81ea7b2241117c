#include "pixelmessage.h"

#include <QtEndian>

namespace PixelMessage {

namespace {
bool sane(qint64 width, qint64 height) {
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}
} // namespace

QByteArray write(const QImage& image) {
    if (image.isNull() || !sane(image.width(), image.height())) return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray message(qsizetype(sizeFor(argb.width(), argb.height())), Qt::Uninitialized);
    char* at = message.data();
    qToLittleEndian<quint32>(quint32(argb.width()), at);
    qToLittleEndian<quint32>(quint32(argb.height()), at + 4);
    at += kHeaderSize;
    for (int y = 0; y < argb.height(); ++y, at += 4 * argb.width())
        qToLittleEndian<quint32>(argb.constScanLine(y), argb.width(), at);
    return message;
}

QImage read(const QByteArray& message) {
    if (message.size() < kHeaderSize) return {};
    const quint32 width = qFromLittleEndian<quint32>(message.constData());
    const quint32 height = qFromLittleEndian<quint32>(message.constData() + 4);
    if (!sane(width, height) || message.size() != sizeFor(width, height)) return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    if (image.isNull()) return {};
    const char* at = message.constData() + kHeaderSize;
    for (int y = 0; y < image.height(); ++y, at += 4 * image.width())
        qFromLittleEndian<quint32>(at, image.width(), image.scanLine(y));
    return image;
}

} // namespace PixelMessage
