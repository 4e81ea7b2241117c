#include "characterplacement.h"

#include "pictureplacement.h"
#include "storedvalues.h"

#include <functional>

namespace {
constexpr qint16 kNoModifier = 0;
// The handle's Left: the frame from 14 to 153 pixels wide.
constexpr double kHandleLeftmost = 15;
constexpr double kHandleRightmost = 154;
} // namespace

const CharacterPlacement::PlacedPicture CharacterPlacement::kCharacterPicture{
    "PicLeft", "PicTop", &CharacterPlacement::picFrameCharacter, &CharacterPlacement::picImageCharacter,
    &CharacterPlacement::PositionCharacterPicture};
const CharacterPlacement::PlacedPicture CharacterPlacement::kPlayingPiece{
    "PPLeft", "PPTop", &CharacterPlacement::picPlayingPieceFrame, &CharacterPlacement::picPlayingPieceImage,
    &CharacterPlacement::PositionPlayingPiecePicture};

CharacterPlacement::CharacterPlacement() {
    using Self = CharacterPlacement;
    picImageCharacter.widget()->setFocusPolicy(Qt::StrongFocus);
    picImageCharacter.KeyDown = std::bind_front(&Self::picImageCharacter_KeyDown, this);
    picImageCharacter.MouseDown = std::bind_front(&Self::picImageCharacter_MouseDown, this);
    picImageCharacter.MouseMove = std::bind_front(&Self::picImageCharacter_MouseMove, this);
    picPlayingPieceImage.widget()->setFocusPolicy(Qt::StrongFocus);
    picPlayingPieceImage.KeyDown = std::bind_front(&Self::picPlayingPieceImage_KeyDown, this);
    picPlayingPieceImage.MouseDown = std::bind_front(&Self::picPlayingPieceImage_MouseDown, this);
    picPlayingPieceImage.MouseMove = std::bind_front(&Self::picPlayingPieceImage_MouseMove, this);
    lblPicSizeCharacter.MouseDown = std::bind_front(&Self::lblPicSizeCharacter_MouseDown, this);
    lblPicSizeCharacter.MouseMove = std::bind_front(&Self::lblPicSizeCharacter_MouseMove, this);
}

void CharacterPlacement::picImageCharacter_KeyDown(qint16& KeyCode, qint16 Shift) {
    pictureKeyDown(kCharacterPicture, KeyCode, Shift);
    showFrameSize();
}

void CharacterPlacement::picImageCharacter_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    grabPicture(X, Y);
}

void CharacterPlacement::picImageCharacter_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    pictureMouseMove(kCharacterPicture, Button, X, Y);
}

void CharacterPlacement::picPlayingPieceImage_KeyDown(qint16& KeyCode, qint16 Shift) {
    pictureKeyDown(kPlayingPiece, KeyCode, Shift);
}

void CharacterPlacement::picPlayingPieceImage_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    grabPicture(X, Y);
}

void CharacterPlacement::picPlayingPieceImage_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    pictureMouseMove(kPlayingPiece, Button, X, Y);
}

// A key with a modifier writes nothing; any key without one updates the character, whatever
// it changed. The picture is placed again either way.
void CharacterPlacement::pictureKeyDown(const PlacedPicture& placed, qint16& KeyCode, qint16 Shift) {
    const qint16 key = KeyCode;
    // The keys the picture uses go no further (no scrolling).
    if (placement::isPlacementKey(key)) KeyCode = 0;
    if (Shift == kNoModifier) {
        const PictureBox& frame = this->*placed.frame;
        const PictureBox& picture = this->*placed.picture;
        editShownCharacter([&](Recordset& character) {
            Field left = character.field(QString::fromLatin1(placed.leftField));
            Field top = character.field(QString::fromLatin1(placed.topField));
            const placement::Offsets moved =
                placement::afterKey(key,
                                    {stored::decimal(character, QString::fromLatin1(placed.leftField)),
                                     stored::decimal(character, QString::fromLatin1(placed.topField))},
                                    {frame.Width(), frame.Height()}, {picture.Width(), picture.Height()});
            left = placement::within16Bits(moved.left);
            top = placement::within16Bits(moved.top);
        });
    }
    (this->*placed.position)();
}

void CharacterPlacement::grabPicture(double X, double Y) {
    m_grabX = placement::grabPoint(X);
    m_grabY = placement::grabPoint(Y);
}

// The pointer stays where it took the picture: its travel since the last move is how far
// the picture goes.
void CharacterPlacement::pictureMouseMove(const PlacedPicture& placed, qint16 Button, double X, double Y) {
    if (Button != vbLeftButton) return;
    editShownCharacter([&](Recordset& character) {
        Field left = character.field(QString::fromLatin1(placed.leftField));
        Field top = character.field(QString::fromLatin1(placed.topField));
        left = placement::within16Bits(placement::dragged(
            stored::decimal(character, QString::fromLatin1(placed.leftField)), X, m_grabX));
        top = placement::within16Bits(
            placement::dragged(stored::decimal(character, QString::fromLatin1(placed.topField)), Y, m_grabY));
    });
    (this->*placed.position)();
}

void CharacterPlacement::lblPicSizeCharacter_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    m_handleGrab = placement::grabPoint(X / twipsPerPixel);
}

// The width is stored before the preview follows it, so that a refused write leaves both as
// they were.
void CharacterPlacement::lblPicSizeCharacter_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    if (Button != vbLeftButton) return;
    const double handleLeft = placement::draggedHandle(lblPicSizeCharacter.Left(), X, m_handleGrab,
                                                       kHandleLeftmost, kHandleRightmost);
    const double frameWidth = handleLeft - picFrameCharacter.Left();
    editShownCharacter(
        [&](Recordset& character) { character.field(QStringLiteral("PicWidth")) = frameWidth; });
    lblPicSizeCharacter.setLeft(handleLeft);
    picFrameCharacter.setWidth(frameWidth);
    layOutTextColumn();
    showFrameSize();
}

void CharacterPlacement::PositionCharacterPicture() {
    Recordset& character = shownCharacter();
    showFrameOption(stored::flag(character, QStringLiteral("UseFrame")));
    picFrameCharacter.setWidth(storedFrameWidth(character));
    lblPicSizeCharacter.setLeft(picFrameCharacter.Width() + picFrameCharacter.Left());
    layOutTextColumn();
    picImageCharacter.Refresh();
    placeStoredImage(picImageCharacter, picCharacter, character, "PicTop", "PicLeft");
}

void CharacterPlacement::PositionPlayingPiecePicture() {
    placeStoredImage(picPlayingPieceImage, picPlayingPieceFrame, shownCharacter(), "PPTop", "PPLeft");
}
