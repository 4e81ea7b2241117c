// frmCard's large card, composed from the large-card editor's preview: the title and the
// text wrapped line by line, the title's lines each centred.
#include "cardtext.h"
#include "framedpicture.h"
#include "frmCard.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "modData.h"

#include "runtime/conversions.h"

void FrmCard::CreateLargeCard2nd() {
    LargeCardWindow& editor = frmLarge2nd.get();
    Recordset& card = *rsLargeCard;
    Recordset& set = *rsSet;

    picACard.setHeight(editor.picCardLarge.Height());
    picACard.setWidth(editor.picCardLarge.Width());
    picACard.setPicture(Picture());
    picACard.setBackColor(card.field(QStringLiteral("BGColour")).toLong());
    // Only the card's own background: the card box may still show an earlier one.
    if (!card.field(QStringLiteral("BGPicture")).isNull()) picACard.setPicture(editor.picCardLarge.Picture());

    if (card.field(QStringLiteral("UsePicture")).toBool())
        paintPictureArea(
            picACard, picWhite.Picture(),
            {editor.picFrameLarge,
             editor.picImageLarge,
             {},
             card.field(QStringLiteral("UseFrame")).toBool(),
             card.field(QStringLiteral("PicLeft")).toDouble(),
             card.field(QStringLiteral("PicTop")).toDouble(),
             {.fillHeight = card.field(QStringLiteral("Resize")).toBool()}},
            !card.field(QStringLiteral("Picture")).isNull());
    if (set.field(QStringLiteral("UseSymbol")).toBool())
        picACard.PaintPicture(frmMaster->picSetSymbol.Picture(), editor.picSymbolLarge.Left(),
                              editor.picSymbolLarge.Top());

    printCardText(picACard, largeCardText(editor, LargeText::Title),
                  card.field(QStringLiteral("Title")).toText());
    printCardText(picACard, largeCardText(editor, LargeText::Information),
                  card.field(QStringLiteral("Information")).toText());
    if (set.field(QStringLiteral("Autonumber")).toBool())
        printCardText(picACard, largeCardText(editor, LargeText::Autonumber),
                      vbStr(card.field(QStringLiteral("Nr")).toDouble()));
    printCaption(picACard, largeCardText(editor, LargeText::Watermark));
}
