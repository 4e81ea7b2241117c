#include "cDIBSection.h"
#include "forms/dialogs.h"
#include "runtime/picture.h"
#include "runtime/vberror.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <cstring>
#include <limits>
#include <new>

namespace {
constexpr qint64 maxLong = std::numeric_limits<qint32>::max();

qint64 paddedRowBytes(qint64 width) {
    return (width * 3 + 3) & ~qint64{3};
}
} // namespace

bool cDIBSection::CopyToClipboard(bool bAsDIB) const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    if (bAsDIB) {
        MsgBox(QStringLiteral("I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!"));
        return false;
    }
    if (m_bits.empty()) return false;
    // The rows are bottom-up: the image seen over them is upside down until mirrored.
    const QImage upsideDown(m_bits.data(), m_width, m_height, BytesPerScanLine(), QImage::Format_BGR888);
    clipboard->setImage(upsideDown.mirrored());
    return true;
}

bool cDIBSection::CreateDIB(qint32 lWidth, qint32 lHeight) {
    m_width = lWidth;
    m_height = lHeight;
    ClearUp();
    if (lWidth <= 0 || lHeight <= 0) return false;
    // The image size is a 32-bit header field.
    const qint64 size = paddedRowBytes(lWidth) * lHeight;
    if (size > maxLong) return false;
    try {
        m_bits.assign(static_cast<std::size_t>(size), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void cDIBSection::CreateFromPicture(const Picture& picThis) {
    if (!CreateDIB(picThis.width(), picThis.height())) return;
    const qint32 stride = BytesPerScanLine();
    const auto row = [&](int y) {
        return m_bits.data() + static_cast<std::size_t>(m_height - 1 - y) * stride;
    };
    const QImage& picture = picThis.image();
    if (picture.format() == QImage::Format_RGB32) {
        // The pictures the program composes: their blue, green and red bytes go straight
        // into the rows, without a converted copy of the whole picture first.
        for (int y = 0; y < m_height; ++y) {
            const auto* pixel = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            uchar* bgr = row(y);
            for (int x = 0; x < m_width; ++x, bgr += 3) {
                bgr[0] = uchar(qBlue(pixel[x]));
                bgr[1] = uchar(qGreen(pixel[x]));
                bgr[2] = uchar(qRed(pixel[x]));
            }
        }
        return;
    }
    const QImage image = picture.convertToFormat(QImage::Format_BGR888);
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * 3;
    for (int y = 0; y < m_height; ++y)
        std::memcpy(row(y), image.constScanLine(y), rowBytes);
}

qint32 cDIBSection::BytesPerScanLine() const {
    if (m_width * qint64{3} + 3 > maxLong) throw VbError(VbError::Overflow);
    return static_cast<qint32>(paddedRowBytes(m_width));
}

void cDIBSection::ClearUp() {
    m_bits = std::vector<uchar>();
}
