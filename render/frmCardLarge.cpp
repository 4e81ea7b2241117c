// frmCard's large card, composed from the large-card editor's preview: the title and the
// text wrapped line by line, the title's lines each centred.
#include "cardtext.h"
#include "framedpicture.h"
#include "frmCard.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "modData.h"
#include "storedvalues.h"

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
             {.fillHeight = stored::flag(card, QStringLiteral("Resize")), .shortOfFarSide = true}},
            stored::hasBytes(card, QStringLiteral("Picture")));
    if (stored::flag(set, QStringLiteral("UseSymbol")))
        picACard.PaintPicture(frmMaster->picSetSymbol.Picture(), editor.picSymbolLarge.Left(),
                              editor.picSymbolLarge.Top());

    SetCardFont(stored::number(set, QStringLiteral("CardLargeTitleFontID")));
    printText(picACard, TextPlacement::WrappedCentred, stored::text(card, QStringLiteral("Title")),
              editor.lblTitleLarge);
    SetCardFont(stored::number(set, QStringLiteral("CardLargeInfoFontID")));
    printText(picACard, TextPlacement::Wrapped, stored::text(card, QStringLiteral("Information")),
              editor.lblInformationLarge);
    if (stored::flag(set, QStringLiteral("Autonumber"))) {
        SetCardFont(stored::number(set, QStringLiteral("AutonumberFontID")));
        printText(picACard, TextPlacement::Left, printedNumber(stored::number(card, QStringLiteral("Nr"))),
                  editor.lblAutonumberLarge);
    }
    printWatermark(picACard, editor.lblWatermark);
}
