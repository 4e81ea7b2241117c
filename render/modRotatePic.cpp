#include "modRotatePic.h"

#include "forms/picturebox.h"

namespace {
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
    const QImage source = src.Image().image();
    const int w = source.width(), h = source.height();
    setClientSize(dst, h, w);
    QImage turned(h, w, QImage::Format_RGB32);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            if (clockwise)
                turned.setPixel(h - 1 - y, x, source.pixel(x, y));
            else
                turned.setPixel(y, w - 1 - x, source.pixel(x, y));
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
        const QImage cardImage = card.Image().image();
        QImage band = strip.Image().image();
        const int top = int(dest.Top());
        for (int c = 0; c < band.width(); ++c) {
            for (int r = 0; r < band.height(); ++r) {
                // Past the card's edge the strip keeps its back colour.
                if (cardImage.rect().contains(4 - r, top + c))
                    band.setPixel(c, r, cardImage.pixel(4 - r, top + c));
            }
        }
        strip.PaintPicture(Picture(band), 0, 0);
    }
    strip.setPicture(strip.Image());
}
