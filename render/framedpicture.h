#pragma once
// Copying a card picture from an editor's preview onto a canvas: the frame and the picture
// inside it are read in pixels while the copy is made.

#include "framedcopy.h"

#include <QPoint>

class Picture;
class PictureBox;

struct FramedPicture {
    PictureBox& frame;
    PictureBox& image; // inside the frame, as large as its picture
    QPoint origin;     // where the frame's container stands on the canvas
    bool border;       // the frame's border shows
    double offsetLeft; // the picture's offsets in the frame, twips
    double offsetTop;
    FrameFit fit = {};
};

// The picture area of a card: the frame's white field, the part of the picture that the
// editor shows in the frame (1:1, when there is a picture) and, with a border, the frame's
// black outline.
void paintPictureArea(PictureBox& canvas, const Picture& white, const FramedPicture& picture,
                      bool hasPicture);
