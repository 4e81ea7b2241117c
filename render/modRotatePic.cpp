#include "modRotatePic.h"

#include "forms/picturebox.h"

#include <algorithm>

namespace {
// A pixel as QImage's pixel and setPixel hand over a 32-bit opaque one.
QRgb opaque(QRgb pixel) {
    return pixel | 0xFF000000u;
}

// A box's outer size from its client's size in pixels, in its container's scale.
void setClientSize(PictureBox& box, int width, int height) {
    const double unit = box.container().ScaleMode() == vbTwips ? twipsPerPixel : 1.0;
    const int border = box.BorderStyle() == vbFixedSingle ? 2 : 0;
    box.setWidth((width + border) * unit);
    box.setHeight((height + border) * unit);
}
} // namespace

void RotatePicture(PictureBox& src, PictureBox& dst, bool clockwise) {
    dst.setPicture(Picture());
    const QImage source = src.Image().image().convertToFormat(QImage::Format_RGB32);
    const int w = source.width(), h = source.height();
    setClientSize(dst, h, w);
    // Rows are read and written in place: a call per pixel weighed on every card's layout.
    QImage turned(h, w, QImage::Format_RGB32);
    uchar* const bits = turned.bits();
    const qsizetype pitch = turned.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int toX = clockwise ? h - 1 - y : y, toY = clockwise ? x : w - 1 - x;
            reinterpret_cast<QRgb*>(bits + toY * pitch)[toX] = opaque(row[x]);
        }
    }
    dst.PaintPicture(Picture(turned), 0, 0);
    dst.setPicture(dst.Image());
}

void PrepareArtistStrip(PictureBox& strip, PictureBox& dest, const PictureBox& card, qint32 colour,
                        bool fromCard) {
    strip.setPicture(Picture());
    dest.setPicture(Picture());
    if (!fromCard) {
        strip.setBackColor(colour);
    } else {
        const QImage cardImage = card.Image().image().convertToFormat(QImage::Format_RGB32);
        QImage band = strip.Image().image().convertToFormat(QImage::Format_RGB32);
        const int top = int(dest.Top());
        // Row r of the strip is column 4 - r of the card; past its edge the strip keeps its colour.
        for (int r = 0; r < band.height(); ++r) {
            const int x = 4 - r;
            if (x < 0 || x >= cardImage.width()) continue;
            auto* out = reinterpret_cast<QRgb*>(band.scanLine(r));
            for (int c = std::max(0, -top); c < band.width() && top + c < cardImage.height(); ++c)
                out[c] = opaque(reinterpret_cast<const QRgb*>(cardImage.constScanLine(top + c))[x]);
        }
        strip.PaintPicture(Picture(band), 0, 0);
    }
    strip.setPicture(strip.Image());
}
