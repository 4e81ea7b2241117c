#include "smallcardfieldedits.h"
#include "pictureplacement.h"

#include "frmCard.h"
#include "modData.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "runtime/vberror.h"

#include <algorithm>

SmallCardFieldEdits::SmallCardFieldEdits(const SmallCardLayout& layout) : SmallCardEditor(layout) {
    txtTitle.Change = [this] { txtTitle_Change(); };
    txtInfo.Change = [this] { txtInfo_Change(); };
    txtBold.Change = [this] { txtBold_Change(); };
    txtArtist.Change = [this] { txtArtist_Change(); };
    cboNumber.Change = [this] { cboNumber_Change(); };
    cboNumber.Click = [this] { cboNumber_Click(); };
    cboType.Click = [this] { cboType_Click(); };
    cboCardBack.Click = [this] { cboCardBack_Click(); };
    chkOneLine.Click = [this] { chkOneLine_Click(); };
    chkShowPicture.Click = [this] { chkShowPicture_Click(); };
    chkFrame.Click = [this] { chkFrame_Click(); };
    chkResize.Click = [this] { chkResize_Click(); };
    udCopy.Change = [this] { udCopy_Change(); };
    cmdColour.Click = [this] { cmdColour_Click(); };
    // The swatch answers a click of the left button, as the button does.
    picColour.MouseUp = [this](qint16 Button, qint16, double, double) {
        if (Button == vbLeftButton) picColour_Click();
    };
    // Typing replaces the whole text of these boxes.
    txtTitle.GotFocus = [this] { SelectAllText(txtTitle); };
    txtBold.GotFocus = [this] { SelectAllText(txtBold); };
    txtArtist.GotFocus = [this] { SelectAllText(txtArtist); };
    cboNumber.GotFocus = [this] { SelectAllText(cboNumber); };
}

void SmallCardFieldEdits::txtTitle_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Title"), txtTitle.Text());
    lblTitle.setCaption(txtTitle.Text());
}

void SmallCardFieldEdits::txtInfo_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Information"), txtInfo.Text());
    lblInformation.setCaption(txtInfo.Text());
}

void SmallCardFieldEdits::cboNumber_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Number"), cboNumber.Text());
    lblNumber.setCaption(cboNumber.Text());
}

void SmallCardFieldEdits::cboNumber_Click() {
    cboNumber_Change();
}

// A lone capital S or C is completed to the attribute it starts, the completion selected
// so that typing on replaces it. Setting the text runs this handler again, nested.
void SmallCardFieldEdits::txtBold_Change() {
    if (bLoading) return;
    const QString typed = txtBold.Text();
    const QString completed = typed == QStringLiteral("S")   ? QStringLiteral("STRENGTH ")
                              : typed == QStringLiteral("C") ? QStringLiteral("CRAFT ")
                                                             : QString();
    if (!completed.isEmpty()) {
        txtBold.setText(completed);
        // The nested run had the completion refused: the box shows the stored text again.
        if (txtBold.Text() != completed) return;
        txtBold.setSelStart(1);
        txtBold.setSelLength(int(completed.length()) - 1);
    }
    storeBoldText();
}

void SmallCardFieldEdits::storeBoldText() {
    const QString text = txtBold.Text();
    writeCardField(QStringLiteral("BoldText"), text);
    lblBold.setCaption(text);
    lblBold.setHeight(text.isEmpty() ? 1 : layout().boldHeight);
    boldTextShown();
    placeInformation();
}

void SmallCardFieldEdits::placeInformation() {
    lblInformation.setTop(lblBold.Top() + lblBold.Height());
    lblInformation.setHeight(std::max(0.0, layout().informationBottom - lblInformation.Top()));
}

void SmallCardFieldEdits::txtArtist_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Artist"), txtArtist.Text());
    redrawArtist(txtArtist.Text(), stored::hasBytes(shownCard(), QStringLiteral("Background")));
}

void SmallCardFieldEdits::redrawArtist(const QString& artist, bool hasBackground) {
    const qint32 colour = stored::colour(shownCard(), QStringLiteral("BGColour"));
    frmCard->RotateArtist(artist, colour, hasBackground, *this);
}

void SmallCardFieldEdits::chkOneLine_Click() {
    if (bLoading) return;
    writeCardField(QStringLiteral("OneLine"), chkOneLine.Value() == vbChecked);
    DrawCard();
}

void SmallCardFieldEdits::chkShowPicture_Click() {
    if (bLoading) return;
    const bool show = chkShowPicture.Value() == vbChecked;
    writeCardField(QStringLiteral("UsePicture"), show);
    picFrame.setVisible(show);
    lblPicSize.setVisible(show);
    const double above = show ? picFrame.Top() + picFrame.Height() : lblTitle.Top() + lblTitle.Height();
    lblBold.setTop(above + 3);
    placeInformationUnderBold();
}

void SmallCardFieldEdits::chkFrame_Click() {
    if (bLoading) return;
    const bool frame = chkFrame.Value() == vbChecked;
    writeCardField(QStringLiteral("UseFrame"), frame);
    picFrame.setBorderStyle(frame ? vbFixedSingle : vbBSNone);
}

// Switched on, the frame is centred on the card about the picture: 10 pixels of margin in
// both editions.
void SmallCardFieldEdits::chkResize_Click() {
    if (bLoading) return;
    const bool resize = chkResize.Value() == vbChecked;
    editShownCard([&](Recordset& card) {
        card.field(QStringLiteral("Resize")) = resize;
        if (!resize) return;
        const float pictureWidth = float(picImage.Width()) / float(twipsPerPixel);
        const float centred = (float(picCard.Width()) - 10.0f - pictureWidth) / 2.0f * float(twipsPerPixel);
        card.field(QStringLiteral("PicLeft")) = placement::storedOffset(double(centred));
    });
    DrawCard();
}

// The type's own number replaces the card's; the number box's handler stores it again.
void SmallCardFieldEdits::cboType_Click() {
    if (bLoading || cboType.ListIndex() < 0) return;
    const qint64 cardTypeID = cboType.ItemData(cboType.ListIndex());
    if (!moveToRow(rsCardType, QStringLiteral("CardTypeID"), cardTypeID))
        throw VbError(VbError::NoCurrentRecord);
    const QString number = stored::text(*rsCardType, QStringLiteral("Number"));
    editShownCard([&](Recordset& card) {
        card.field(QStringLiteral("CardTypeID")) = rsCardType->field(QStringLiteral("CardTypeID"));
        card.field(QStringLiteral("Number")) = number;
    });
    cboNumber.setText(number);
    DrawCard();
}

void SmallCardFieldEdits::cboCardBack_Click() {
    if (bLoading || cboCardBack.ListIndex() < 0) return;
    const qint64 cardBackID = cboCardBack.ItemData(cboCardBack.ListIndex());
    writeCardField(QStringLiteral("CardBackID"), cardBackID);
    if (moveToRow(rsCardBack, QStringLiteral("CardBackID"), cardBackID))
        stored::showPicture(picBack, *rsCardBack, QStringLiteral("Picture"));
    else
        picBack.setPicture(Picture());
}

void SmallCardFieldEdits::udCopy_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Copies"), udCopy.Value());
}

// Cancel, or an error on the way to the colour, leaves everything as it was, without a word;
// a colour the database refuses is reported as any refused change.
void SmallCardFieldEdits::cmdColour_Click() {
    std::optional<qint32> colour;
    try {
        colour = dialogs().chooseColour(stored::colour(shownCard(), QStringLiteral("BGColour")),
                                        QStringLiteral("Choose card background colour"));
    } catch (const VbError&) {
        return;
    }
    if (!colour) return;
    writeCardField(QStringLiteral("BGColour"), *colour);
    picColour.setBackColor(*colour);
    picCard.setBackColor(*colour);
}

void SmallCardFieldEdits::picColour_Click() {
    cmdColour_Click();
}
