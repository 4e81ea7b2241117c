#pragma once
// How a card image file shows a card's back: the back picture at its own size from the top
// left of the back half's interior, on the output surface's white, inside the half's 1-pixel
// black outline. The editors' back boxes show a back the same way, so that the preview of a
// back is the printed back.

#include <QtGlobal>

class PictureBox;

// The output surface's colour wherever no picture covers it.
constexpr qint32 kCardImagePaper = 0xFFFFFF;

// Makes an editor's back box, sized as the back half, show its picture as printed: its border
// is the half's outline, its client area the interior, white where the picture does not reach.
void showBackAsPrinted(PictureBox& backBox);
