#pragma once
// Where a card picture goes inside its frame: the part of the picture that the editor shows
// in the frame, copied 1:1. Pixels of the card box.

#include <QPoint>
#include <QRect>
#include <optional>

struct FrameGeometry {
    int left, top, width, height; // the frame, its border included
    int border;                   // 1 when the frame's border shows, else 0
};

struct PictureCopy {
    QRect source;       // in the picture
    QPoint destination; // on the card
    bool operator==(const PictureCopy&) const = default;
};

// How a card kind fits its picture into the frame.
struct FrameFit {
    bool fillWidth = false;  // the copy spans the frame's width, the horizontal offset ignored
    bool fillHeight = false; // the same downwards: the frame has followed the picture's height
    // A copy that reaches past both sides of the frame stops one pixel short of its width.
    bool shortOfFarSide = false;
};

// offsetX and offsetY are the picture's offsets in pixels. The copy reads only pixels inside
// the picture and paints only inside the frame's border; nothing when no pixel is left.
std::optional<PictureCopy> framedCopy(const FrameGeometry& frame, QSize picture, int offsetX, int offsetY,
                                      FrameFit fit = {});
