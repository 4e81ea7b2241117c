#pragma once
// The large card's picture frame options (use the picture, its border, the frame following
// the picture's height), and placing the picture in its frame by dragging it or by keys while
// it has the focus, and the frame's width by the handle at its right edge. Every step is
// written into the shown card at once.

#include "largecardeditor.h"

class LargeCardPlacement : public LargeCardEditor {
    Q_OBJECT
protected:
    LargeCardPlacement();

private:
    void chkShowPictureLarge_Click();
    void chkFrameLarge_Click();
    void chkResizeLarge_Click();
    void picImageLarge_KeyDown(qint16& KeyCode, qint16 Shift);
    void picImageLarge_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void picImageLarge_MouseMove(qint16 Button, qint16 Shift, double X, double Y);
    void lblPicSizeLarge_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void lblPicSizeLarge_MouseMove(qint16 Button, qint16 Shift, double X, double Y);

    // Places the frame and the picture again from the shown card.
    void PositionLargePicture();

    // Where the picture and the handle were taken (twips of the picture, pixels of the handle).
    qint32 m_dragX = 0;
    qint32 m_dragY = 0;
    qint32 m_handleX = 0;
};
