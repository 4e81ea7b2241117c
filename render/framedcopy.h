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

// How a card kind fits its frame to the picture. Along an axis the frame has followed, the
// offset moved the frame itself, and the picture stands at the frame's inner edge.
struct FrameFit {
    bool fillWidth = false;  // the frame has followed the picture's width and horizontal offset
    bool fillHeight = false; // the same downwards
};

// offsetX and offsetY are the picture's offsets in pixels from the frame's inner corner. The
// copy is what the editor shows: the picture at its place, cut to the inside of the border.
// It reads only pixels inside the picture; nothing when no pixel is left.
std::optional<PictureCopy> framedCopy(const FrameGeometry& frame, QSize picture, int offsetX, int offsetY,
                                      FrameFit fit = {});
