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
    const auto fontOf = [&](const char* field) { return set.field(QString::fromLatin1(field)).toLong(); };

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

    SetCardFont(fontOf("CharacterNameFontID"));
    for (const Label* label : {&editor.lblCharacter, &editor.lblObjects, &editor.lblFollowers})
        printText(picACard, TextPlacement::Centred, label->Caption(), *label);
    SetCardFont(fontOf("CharacterInfoFontID"));
    for (const Label* label :
         {&editor.lblAlignmentTitle, &editor.lblAlignment, &editor.lblStartTitle, &editor.lblStart})
        printText(picACard, TextPlacement::Left, label->Caption(), *label, origin);
    SetCardFont(fontOf("CharacterSpecialTitleFontID"));
    printText(picACard, TextPlacement::Centred, editor.lblSpecialTitle.Caption(), editor.lblSpecialTitle,
              origin);
    SetCardFont(fontOf("CharacterSpecialFontID"));
    printText(picACard, TextPlacement::Wrapped, character.field(QStringLiteral("Abilities")).toText(),
              editor.lblSpecial, origin);
    if (set.field(QStringLiteral("Autonumber")).toBool()) {
        SetCardFont(fontOf("AutonumberFontID"));
        printText(picACard, TextPlacement::Left,
                  printedNumber(character.field(QStringLiteral("Nr")).toDouble()),
                  editor.lblAutonumberCharacter, origin);
    }
    printWatermark(picACard, editor.lblWatermark[0], origin);

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
    SetPieceFont(fontOf("CharacterPieceFontID"));
    printText(picACardPP, TextPlacement::Centred, editor.lblPlayingPieceName.Caption(),
              editor.lblPlayingPieceName);
    printWatermark(picACardPP, editor.lblWatermark[1]);
}
