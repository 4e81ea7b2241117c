#include "framedpicture.h"

#include "forms/picturebox.h"
#include "runtime/conversions.h"

namespace {
// Switches a box to pixels for reading geometry, and back to twips whatever happens.
class PixelScope {
public:
    explicit PixelScope(PictureBox& box) : m_box(box) { m_box.setScaleMode(vbPixels); }
    ~PixelScope() { m_box.setScaleMode(vbTwips); }
    PixelScope(const PixelScope&) = delete;
    PixelScope& operator=(const PixelScope&) = delete;

private:
    PictureBox& m_box;
};

// The frame as the editor shows it: its place and its size each rounded to whole pixels.
FrameGeometry shownFrame(const FramedPicture& picture) {
    const PictureBox& frameBox = picture.frame;
    return {picture.origin.x() + int(roundHalfEven(frameBox.Left())),
            picture.origin.y() + int(roundHalfEven(frameBox.Top())), int(roundHalfEven(frameBox.Width())),
            int(roundHalfEven(frameBox.Height())), picture.border ? 1 : 0};
}

void paintFramedPicture(PictureBox& canvas, const FramedPicture& picture, const FrameGeometry& frame) {
    const QSize size(int(roundHalfEven(picture.image.Width())), int(roundHalfEven(picture.image.Height())));
    const int offsetX = CInt(picture.offsetLeft / twipsPerPixel);
    const int offsetY = CInt(picture.offsetTop / twipsPerPixel);
    const auto copy = framedCopy(frame, size, offsetX, offsetY, picture.fit);
    if (!copy) return;
    canvas.PaintPicture(picture.image.Picture(), copy->destination.x(), copy->destination.y(), {}, {},
                        PictureBox::SourceRect{double(copy->source.x()), double(copy->source.y()),
                                               double(copy->source.width()), double(copy->source.height())});
}
} // namespace

void paintPictureArea(PictureBox& canvas, const Picture& white, const FramedPicture& picture,
                      bool hasPicture) {
    FrameGeometry frame;
    {
        const PixelScope imageScale(picture.image);
        const PixelScope frameScale(picture.frame);
        frame = shownFrame(picture);
        canvas.PaintPicture(white, frame.left, frame.top, frame.width, frame.height);
        if (hasPicture) paintFramedPicture(canvas, picture, frame);
    }
    if (!picture.border) return;
    canvas.Line(frame.left, frame.top, frame.left + frame.width - 1, frame.top + frame.height - 1, 0x0,
                LineShape::Box);
}
