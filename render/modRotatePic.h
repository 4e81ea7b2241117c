#pragma once
// Quarter turns between picture boxes, pixel by pixel, and the background of the artist
// strip canvas.

#include "runtime/picture.h"

#include <QtGlobal>

class PictureBox;

// dst takes src's turned size; every pixel of src lands in dst, and dst's drawing becomes
// its picture.
void RotatePicture(PictureBox& src, PictureBox& dst, bool clockwise);

// The strip's background: the colour, or (fromCard) the card box's band under the strip at
// columns 0 to 4, turned anticlockwise so that the strip's clockwise turn puts it back.
void PrepareArtistStrip(PictureBox& strip, PictureBox& dest, const PictureBox& card, qint32 colour,
                        bool fromCard);
