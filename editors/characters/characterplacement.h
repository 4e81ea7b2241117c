#pragma once
// Placing the character picture and the playing-piece picture in their frames on the
// preview, by dragging them or by keys while they have the focus, and setting the card
// frame's width with the handle on its right edge. Every step is written into the shown
// character at once.

#include "characterpictures.h"

class CharacterPlacement : public CharacterPictures {
    Q_OBJECT
protected:
    CharacterPlacement();

private:
    // What the two pictures differ in.
    struct PlacedPicture {
        const char* leftField;
        const char* topField;
        PictureBox CharacterWindow::*frame;
        PictureBox CharacterWindow::*picture;
        void (CharacterPlacement::*position)();
    };
    static const PlacedPicture kCharacterPicture;
    static const PlacedPicture kPlayingPiece;

    void picImageCharacter_KeyDown(qint16& KeyCode, qint16 Shift);
    void picImageCharacter_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void picImageCharacter_MouseMove(qint16 Button, qint16 Shift, double X, double Y);
    void picPlayingPieceImage_KeyDown(qint16& KeyCode, qint16 Shift);
    void picPlayingPieceImage_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void picPlayingPieceImage_MouseMove(qint16 Button, qint16 Shift, double X, double Y);
    void lblPicSizeCharacter_MouseDown(qint16 Button, qint16 Shift, double X, double Y);
    void lblPicSizeCharacter_MouseMove(qint16 Button, qint16 Shift, double X, double Y);

    // Lays the card's frame, its handle and the text column out from the shown character
    // and places the character picture.
    void PositionCharacterPicture();
    // Places the playing-piece picture from the shown character.
    void PositionPlayingPiecePicture();

    void pictureKeyDown(const PlacedPicture& placed, qint16& KeyCode, qint16 Shift);
    void grabPicture(double X, double Y);
    void pictureMouseMove(const PlacedPicture& placed, qint16 Button, double X, double Y);

    // Where a picture was taken, in twips of that picture; one point for both pictures.
    qint32 m_grabX = 0;
    qint32 m_grabY = 0;
    // Where the width handle was taken, in pixels of the handle.
    qint32 m_handleGrab = 0;
};
