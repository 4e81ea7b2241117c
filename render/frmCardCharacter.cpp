// frmCard's character card and playing piece, composed from the character editor's preview:
// the controls inside the card's background box stand relative to that box, so the box's
// place on the card is added to theirs.
#include "cardtext.h"
#include "framedpicture.h"
#include "frmCard.h"
#include "frmCharacter2nd.h"
#include "modData.h"
#include "storedvalues.h"

#include "runtime/conversions.h"

namespace {
// The outline of the piece, where the editor's piece box shows it with four lines.
constexpr int kPieceOutlineLeft = 8;
constexpr int kPieceOutlineTop = 8;
constexpr int kPieceOutlineRight = 141;
constexpr int kPieceOutlineBottom = 246;
} // namespace

void FrmCard::CreateCharacter2nd() {
    CharacterWindow& editor = frmCharacter2nd.get();
    Recordset& character = *rsCharacter;
    Recordset& set = *rsSet;

    picACard.setHeight(editor.picCharacter.Height());
    picACard.setWidth(editor.picCharacter.Width());
    picACard.setPicture(Picture());
    picACard.setPicture(editor.picCharacter.Picture());
    for (PictureBox& attribute : editor.picCharAttrDisp) {
        attribute.setPicture(attribute.Image());
        picACard.PaintPicture(attribute.Picture(), attribute.Left(), attribute.Top());
    }
    PictureBox& background = editor.picBackgroundChar;
    if (stored::hasBytes(character, QStringLiteral("Background"))) {
        background.setPicture(background.Image());
        picACard.PaintPicture(background.Picture(), background.Left(), background.Top());
    }
    const QPoint origin(int(roundHalfEven(background.Left())), int(roundHalfEven(background.Top())));

    if (stored::flag(character, QStringLiteral("UsePicture")))
        paintPictureArea(picACard, picWhite.Picture(),
                         {editor.picFrameCharacter, editor.picImageCharacter, origin,
                          stored::flag(character, QStringLiteral("UseFrame")),
                          stored::offset(character, QStringLiteral("PicLeft"),
                                         editor.picImageCharacter.Width(), editor.picCharacter.Width()),
                          stored::offset(character, QStringLiteral("PicTop"),
                                         editor.picImageCharacter.Height(), editor.picCharacter.Height())},
                         stored::hasBytes(character, QStringLiteral("Picture")));
    if (stored::flag(set, QStringLiteral("UseSymbol")))
        picACard.PaintPicture(editor.picSymbolCharacter.Picture(),
                              origin.x() + editor.picSymbolCharacter.Left(),
                              origin.y() + editor.picSymbolCharacter.Top());

    for (CharacterText text : {CharacterText::Name, CharacterText::Objects, CharacterText::Followers})
        printCaption(picACard, characterText(editor, text));
    for (CharacterText text : {CharacterText::AlignmentTitle, CharacterText::Alignment,
                               CharacterText::StartTitle, CharacterText::Start, CharacterText::SpecialTitle})
        printCaption(picACard, characterText(editor, text), origin);
    printCardText(picACard, characterText(editor, CharacterText::Special),
                  stored::text(character, QStringLiteral("Abilities")), origin);
    if (stored::flag(set, QStringLiteral("Autonumber")))
        printCardText(picACard, characterText(editor, CharacterText::Autonumber),
                      vbStr(stored::number(character, QStringLiteral("Nr"))), origin);
    printCaption(picACard, characterText(editor, CharacterText::Watermark), origin);

    picACardPP.setHeight(editor.picPlayingPiece.Height());
    picACardPP.setWidth(editor.picPlayingPiece.Width());
    picACardPP.setPicture(Picture());
    if (stored::hasBytes(character, QStringLiteral("PlayingPiece")))
        paintPictureArea(
            picACardPP, picWhite.Picture(),
            {editor.picPlayingPieceFrame,
             editor.picPlayingPieceImage,
             {},
             false,
             stored::offset(character, QStringLiteral("PPLeft"), editor.picPlayingPieceImage.Width(),
                            editor.picPlayingPieceFrame.Width()),
             stored::offset(character, QStringLiteral("PPTop"), editor.picPlayingPieceImage.Height(),
                            editor.picPlayingPieceFrame.Height())},
            true);
    picACardPP.Line(kPieceOutlineLeft, kPieceOutlineTop, kPieceOutlineRight, kPieceOutlineBottom, 0x0,
                    LineShape::Box);
    printCaption(picACardPP, characterText(editor, CharacterText::PieceName));
    printCaption(picACardPP, characterText(editor, CharacterText::PieceWatermark));
}
