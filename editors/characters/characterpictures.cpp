#include "characterpictures.h"

#include "modPicture.h"

#include "forms/dialogs.h"

CharacterPictures::CharacterPictures() {
    cmdGetCharPic.Click = [this] { cmdGetCharPic_Click(); };
    cmdBackCharPic.Click = [this] { cmdBackCharPic_Click(); };
    cmdGetPlayingPiecePic.Click = [this] { cmdGetPlayingPiecePic_Click(); };
    cmdDelCharPic.Click = [this] { cmdDelCharPic_Click(); };
    cmdDelBackCharPic.Click = [this] { cmdDelBackCharPic_Click(); };
    cmdDelPlayingPiecePic.Click = [this] { cmdDelPlayingPiecePic_Click(); };
}

void CharacterPictures::cmdGetCharPic_Click() {
    choosePicture({"Choose characterpicture", "Picture", "PicTop", "PicLeft"}, picImageCharacter,
                  picFrameCharacter);
}

void CharacterPictures::cmdBackCharPic_Click() {
    choosePicture({"Choose background picture", "Background", nullptr, nullptr}, picBackgroundChar,
                  picBackgroundChar);
}

void CharacterPictures::cmdGetPlayingPiecePic_Click() {
    choosePicture({"Choose playing piece picture", "PlayingPiece", "PPTop", "PPLeft"}, picPlayingPieceImage,
                  picPlayingPieceFrame);
}

void CharacterPictures::choosePicture(const Chooser& chooser, PictureBox& box, const PictureBox& frame) {
    const QString title = QString::fromLatin1(chooser.title);
    const std::optional<QString> path = dialogs().openFile(pictureFileRequest(title, m_pictureFolder));
    if (!path) return;
    const bool placed = chooser.topField != nullptr;
    RecordAssign resetOffsets;
    if (placed) {
        resetOffsets = [&](Recordset& character) {
            character.field(QString::fromLatin1(chooser.topField)) = 0;
            character.field(QString::fromLatin1(chooser.leftField)) = 0;
        };
    }
    const std::optional<Picture> picture =
        storePictureFile([this](const RecordAssign& assign) { editShownCharacter(assign); }, *path,
                         QString::fromLatin1(chooser.field), title, resetOffsets);
    if (!picture) return;
    m_pictureFolder = folderOf(*path);
    box.setPicture(*picture);
    if (!placed) return;
    box.setTop(0);
    box.setLeft(0);
    if (frame.Visible()) box.SetFocus();
}

void CharacterPictures::cmdDelCharPic_Click() {
    // The stored offsets stay; the next chosen picture resets them.
    removePicture("Picture", picImageCharacter);
    picImageCharacter.setTop(0);
    picImageCharacter.setLeft(0);
}

void CharacterPictures::cmdDelBackCharPic_Click() {
    removePicture("Background", picBackgroundChar);
}

void CharacterPictures::cmdDelPlayingPiecePic_Click() {
    removePicture("PlayingPiece", picPlayingPieceImage);
}

// A refused write goes on to the handler guard, which reports it; the preview then keeps
// the stored picture.
void CharacterPictures::removePicture(const char* field, PictureBox& box) {
    editShownCharacter(
        [&](Recordset& character) { character.field(QString::fromLatin1(field)) = Variant(); });
    box.setPicture(Picture());
}
