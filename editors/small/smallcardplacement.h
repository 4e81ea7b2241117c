#pragma once
// Placing the card's picture in its frame on the preview, by dragging it or by keys while
// it has the focus, and setting the frame's height with the handle under it (dragged, or
// Shift with the keys). Every step is written into the shown card at once.

#include "smallcardfieldedits.h"

class SmallCardPlacement : public SmallCardFieldEdits {
protected:
    explicit SmallCardPlacement(const SmallCardLayout& layout);

private:
    void picImage_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void picImage_MouseMove(qint16 Button, qint16 Shift, double X, double Y);
    void picImage_KeyDown(qint16& KeyCode, qint16 Shift);
    void lblPicSize_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void lblPicSize_MouseMove(qint16 Button, qint16 Shift, double X, double Y);

    // Lays the frame and the picture out from the shown card.
    void PlacePicture();
    // Fits the frame, the bold text and the information to the handle; writes nothing.
    void relayOutHandle();

    // Where the picture and the handle were taken (twips of the picture, pixels of the handle).
    qint32 m_grabX = 0;
    qint32 m_grabY = 0;
    qint32 m_handleGrab = 0;
};
