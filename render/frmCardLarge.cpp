// frmCard's large card, composed from the large-card editor's preview: the title and the
// text wrapped line by line, the title's lines each centred.
#include "cardtext.h"
#include "framedpicture.h"
#include "frmCard.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "modData.h"
#include "storedvalues.h"

#include "runtime/conversions.h"

void FrmCard::CreateLargeCard2nd() {
    LargeCardWindow& editor = frmLarge2nd.get();
    Recordset& card = *rsLargeCard;
    Recordset& set = *rsSet;

    picACard.setHeight(editor.picCardLarge.Height());
    picACard.setWidth(editor.picCardLarge.Width());
    picACard.setPicture(Picture());
    picACard.setBackColor(stored::colour(card, QStringLiteral("BGColour")));
    // Only the card's own background: the card box may still show an earlier one.
    if (stored::hasBytes(card, QStringLiteral("BGPicture")))
        picACard.setPicture(editor.picCardLarge.Picture());

    if (stored::flag(card, QStringLiteral("UsePicture")))
        paintPictureArea(
            picACard, picWhite.Picture(),
            {editor.picFrameLarge,
             editor.picImageLarge,
             {},
             stored::flag(card, QStringLiteral("UseFrame")),
             stored::offset(card, QStringLiteral("PicLeft"), editor.picImageLarge.Width(),
                            editor.picCardLarge.Width()),
             stored::offset(card, QStringLiteral("PicTop"), editor.picImageLarge.Height(),
                            editor.picCardLarge.Height()),
             {.fillHeight = stored::flag(card, QStringLiteral("Resize"))}},
            stored::hasBytes(card, QStringLiteral("Picture")));
    if (stored::flag(set, QStringLiteral("UseSymbol")))
        picACard.PaintPicture(frmMaster->picSetSymbol.Picture(), editor.picSymbolLarge.Left(),
                              editor.picSymbolLarge.Top());

    printCardText(picACard, largeCardText(editor, LargeText::Title),
                  stored::text(card, QStringLiteral("Title")));
    printCardText(picACard, largeCardText(editor, LargeText::Information),
                  stored::text(card, QStringLiteral("Information")));
    if (stored::flag(set, QStringLiteral("Autonumber")))
        printCardText(picACard, largeCardText(editor, LargeText::Autonumber),
                      vbStr(stored::number(card, QStringLiteral("Nr"))));
    printCaption(picACard, largeCardText(editor, LargeText::Watermark));
}
