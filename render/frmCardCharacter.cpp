// frmCard's character card and playing piece, composed from the character editor's preview:
// the controls inside the card's background box stand relative to that box, so the box's
// place on the card is added to theirs.
#include "cardtext.h"
#include "framedpicture.h"
#include "frmCard.h"
#include "frmCharacter2nd.h"
#include "modData.h"

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
    if (!character.field(QStringLiteral("Background")).isNull()) {
        background.setPicture(background.Image());
        picACard.PaintPicture(background.Picture(), background.Left(), background.Top());
    }
    const QPoint origin(int(roundHalfEven(background.Left())), int(roundHalfEven(background.Top())));

    if (character.field(QStringLiteral("UsePicture")).toBool())
        paintPictureArea(picACard, picWhite.Picture(),
                         {editor.picFrameCharacter, editor.picImageCharacter, origin,
                          character.field(QStringLiteral("UseFrame")).toBool(),
                          character.field(QStringLiteral("PicLeft")).toDouble(),
                          character.field(QStringLiteral("PicTop")).toDouble()},
                         !character.field(QStringLiteral("Picture")).isNull());
    if (set.field(QStringLiteral("UseSymbol")).toBool())
        picACard.PaintPicture(editor.picSymbolCharacter.Picture(),
                              origin.x() + editor.picSymbolCharacter.Left(),
                              origin.y() + editor.picSymbolCharacter.Top());

    for (CharacterText text : {CharacterText::Name, CharacterText::Objects, CharacterText::Followers})
        printCaption(picACard, characterText(editor, text));
    for (CharacterText text : {CharacterText::AlignmentTitle, CharacterText::Alignment,
                               CharacterText::StartTitle, CharacterText::Start, CharacterText::SpecialTitle})
        printCaption(picACard, characterText(editor, text), origin);
    printCardText(picACard, characterText(editor, CharacterText::Special),
                  character.field(QStringLiteral("Abilities")).toText(), origin);
    if (set.field(QStringLiteral("Autonumber")).toBool())
        printCardText(picACard, characterText(editor, CharacterText::Autonumber),
                      vbStr(character.field(QStringLiteral("Nr")).toDouble()), origin);
    printCaption(picACard, characterText(editor, CharacterText::Watermark), origin);

    picACardPP.setHeight(editor.picPlayingPiece.Height());
    picACardPP.setWidth(editor.picPlayingPiece.Width());
    picACardPP.setPicture(Picture());
    if (!character.field(QStringLiteral("PlayingPiece")).isNull())
        paintPictureArea(picACardPP, picWhite.Picture(),
                         {editor.picPlayingPieceFrame,
                          editor.picPlayingPieceImage,
                          {},
                          false,
                          character.field(QStringLiteral("PPLeft")).toDouble(),
                          character.field(QStringLiteral("PPTop")).toDouble()},
                         true);
    picACardPP.Line(kPieceOutlineLeft, kPieceOutlineTop, kPieceOutlineRight, kPieceOutlineBottom, 0x0,
                    LineShape::Box);
    printCaption(picACardPP, characterText(editor, CharacterText::PieceName));
    printCaption(picACardPP, characterText(editor, CharacterText::PieceWatermark));
}
