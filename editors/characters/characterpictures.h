#pragma once
// The character picture, the card's background and the playing piece: chosen from a file
// or removed. A file is stored whole, and only once it has loaded as a picture; otherwise
// nothing changes and the user is told. The three choosers share one remembered folder.

#include "characterfieldedits.h"

#include "picturechoice.h"

class CharacterPictures : public CharacterFieldEdits {
    Q_OBJECT
protected:
    CharacterPictures();

private:
    // What the three choosers differ in.
    struct Chooser {
        const char* title;
        const char* field;
        const char* topField; // nullptr: the picture keeps no offsets
        const char* leftField;
    };

    void cmdGetCharPic_Click();
    void cmdBackCharPic_Click();
    void cmdGetPlayingPiecePic_Click();
    void cmdDelCharPic_Click();
    void cmdDelBackCharPic_Click();
    void cmdDelPlayingPiecePic_Click();

    // Lets the user choose a file for the chooser's field and shows it in `box`; a picture
    // with offsets starts at its frame's corner and takes the focus, so the keys place it.
    void choosePicture(const Chooser& chooser, PictureBox& box, const PictureBox& frame);
    void removePicture(const char* field, PictureBox& box);

    QString m_pictureFolder;
};
