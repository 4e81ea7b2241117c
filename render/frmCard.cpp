#include "frmCard.h"
#include "cardresources.h"
#include "cardtext.h"
#include "framedpicture.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "modData.h"
#include "storedvalues.h"

#include "forms/systemcolours.h"
#include "runtime/conversions.h"
#include "runtime/vberror.h"

FormInstance<FrmCard> frmCard;

namespace {
void place(PictureBox& box, int left, int top, int width, int height) {
    box.setLeft(left);
    box.setTop(top);
    box.setWidth(width);
    box.setHeight(height);
}

void holdPicture(PictureBox& box, const Picture& picture) {
    box.setBorderStyle(vbBSNone);
    box.setAutoSize(true);
    box.setPicture(picture);
}
} // namespace

FrmCard::FrmCard()
    : Form(QStringLiteral("frmCard")), picACard(*this, QStringLiteral("picACard")),
      picACardPP(*this, QStringLiteral("picACardPP")), picWhite(*this, QStringLiteral("picWhite")),
      picArtist(*this, QStringLiteral("picArtist")),
      picCharAttribute(*this, QStringLiteral("picCharAttribute")),
      picOriginalCharacterBackground(*this, QStringLiteral("picOriginalCharacterBackground")),
      imgChB(*this, QStringLiteral("imgChB")), picDummy(*this, QStringLiteral("picDummy")) {
    setCaption(QStringLiteral("Card"));
    setScaleMode(vbPixels);

    // The canvases take the editor's outer card size at every use; their 1-pixel border
    // then leaves the card box's inside as the drawable area.
    place(picACard, 4, 4, 152, 256);
    picACard.setScaleMode(vbPixels);
    picACardPP.setLeft(160);
    picACardPP.setTop(4);
    picACardPP.setScaleMode(vbPixels);
    // What a composition leaves unpainted: the playing piece has no base picture.
    for (PictureBox* canvas : {&picACard, &picACardPP}) {
        canvas->setBackColor(vbWindowBackground);
        canvas->setForeColor(vbWindowText);
    }

    holdPicture(picWhite, whiteFieldPicture());
    picWhite.setLeft(320);
    picWhite.setTop(4);

    place(picArtist, 320, 24, 180, 5);
    picArtist.setBorderStyle(vbBSNone);
    picArtist.setScaleMode(vbTwips);
    picArtist.setBackColor(0xFFFFFF);
    picArtist.setForeColor(0xC0C0C0);
    picArtist.setFont({QStringLiteral("Small Fonts"), 5.25, false, false});

    place(picCharAttribute, 320, 32, 52, 12);
    picCharAttribute.setBorderStyle(vbBSNone);
    picCharAttribute.setScaleMode(vbTwips);
    picCharAttribute.setBackColor(0x0);
    picCharAttribute.setForeColor(0xB700);
    picCharAttribute.setFont({QStringLiteral("Small Fonts"), 6, false, false});

    holdPicture(picOriginalCharacterBackground, characterTemplatePicture());
    picOriginalCharacterBackground.setLeft(4);
    picOriginalCharacterBackground.setTop(264);

    holdPicture(imgChB, largeCardBackPicture());
    imgChB.setLeft(310);
    imgChB.setTop(264);

    place(picDummy, 380, 4, 233, 121);
    picDummy.setBorderStyle(vbBSNone);
}

void FrmCard::RotateArtist(const QString& Artist, qint32 BGColor, bool BGPic, SmallCardWindow& editor) {
    PictureBox& strip = editor.picArtistDest;
    if (Artist.isEmpty()) {
        strip.setVisible(false);
        return;
    }
    PrepareArtistStrip(picArtist, strip, editor.picCard, BGColor, BGPic);
    // The text's cell starts two rows above the strip: its top rows are cut off.
    picArtist.setCurrentX(0);
    picArtist.setCurrentY(-2 * twipsPerPixel);
    picArtist.setForeColor(stored::colour(*rsSet, QStringLiteral("ArtistColour")));
    picArtist.Print(Artist);
    picArtist.setPicture(picArtist.Image());
    RotatePicture(picArtist, strip, true);
    strip.setPicture(strip.Image());
    strip.setVisible(true);
}

void FrmCard::CreateCard2nd() {
    composeSmallCard(
        frmCard2nd.get(),
        [this](SmallCardWindow& editor) {
            if (stored::flag(*rsCard, QStringLiteral("OneLine"))) {
                printCaption(picACard, smallCardText(editor, SmallText::TypeOneLine));
                return;
            }
            for (SmallText corner : {SmallText::TypeUpperLeft, SmallText::TypeLowerLeft,
                                     SmallText::TypeUpperRight, SmallText::TypeLowerRight})
                printCaption(picACard, smallCardText(editor, corner));
        },
        false);
}

void FrmCard::CreateCard3rd() {
    composeSmallCard(
        frmCard3rd.get(),
        [this](SmallCardWindow& editor) {
            printCaption(picACard, smallCardText(editor, SmallText::TypeUpperLeft));
            printCaption(picACard, smallCardText(editor, SmallText::TypeUpperRight));
        },
        true);
}

void FrmCard::SetCardFont(qint32 fontID) {
    showFont(picACard, cardFont(fontID));
}

void FrmCard::SetPieceFont(qint32 fontID) {
    showFont(picACardPP, cardFont(fontID));
}

void FrmCard::showSetFonts(const std::vector<CardText>& texts) {
    for (const CardText& text : texts)
        if (text.fontField)
            showFont(*text.label, cardFont(stored::number(*rsSet, QString::fromLatin1(text.fontField))));
}

void FrmCard::useFont(PictureBox& canvas, const CardText& text) {
    if (text.fontField) {
        const qint32 fontID = stored::number(*rsSet, QString::fromLatin1(text.fontField));
        if (&canvas == &picACardPP)
            SetPieceFont(fontID);
        else
            SetCardFont(fontID);
        return;
    }
    canvas.setFont(text.label->Font());
    canvas.setForeColor(text.label->ForeColor());
}

void FrmCard::printCardText(PictureBox& canvas, const CardText& text, const QString& value, QPointF origin) {
    useFont(canvas, text);
    printText(canvas, text.placement, value, *text.label, origin);
}

void FrmCard::printCaption(PictureBox& canvas, const CardText& text, QPointF origin) {
    printCardText(canvas, text, text.label->Caption(), origin);
}

void FrmCard::showFont(Control& control, const FontRow& row) {
    control.setFont(row.font);
    control.setForeColor(row.colour);
}

FrmCard::FontRow FrmCard::cardFont(qint32 fontID) {
    strSQL = QStringLiteral("SELECT * FROM tblFont WHERE FontID = ") + QString::number(fontID);
    return fontRow(fontID).value_or(FontRow{{QStringLiteral("Small Fonts"), 7, false, false}, 0x0});
}

std::optional<FrmCard::FontRow> FrmCard::fontRow(qint32 fontID) {
    if (m_fontDatabase.lock() != cnData) {
        m_fontRows.clear();
        m_fontDatabase = cnData;
    }
    if (const auto known = m_fontRows.find(fontID); known != m_fontRows.end()) return known->second;
    const RecordsetPtr font = GetRecordset(strSQL);
    std::optional<FontRow> row;
    if (!font->eof())
        row = FontRow{{stored::text(*font, QStringLiteral("Font")),
                       double(stored::number(*font, QStringLiteral("Size"), 7)),
                       stored::flag(*font, QStringLiteral("Bold")),
                       stored::flag(*font, QStringLiteral("Italic"))},
                      stored::colour(*font, QStringLiteral("Colour"))};
    return m_fontRows.emplace(fontID, row).first->second;
}

void FrmCard::composeSmallCard(SmallCardWindow& editor,
                               const std::function<void(SmallCardWindow&)>& typeTexts,
                               bool boldInLabelColour) {
    Recordset& card = *rsCard;
    Recordset& set = *rsSet;

    const QString information = stored::text(card, QStringLiteral("Information"));
    const CardText shownInformation = smallCardText(editor, SmallText::Information);
    try {
        m_wrapAhead.start(information, editor.lblInformation.Width(),
                          cardFont(stored::number(set, QString::fromLatin1(shownInformation.fontField))).font,
                          picACard.unitsPerPixel());
    } catch (const VbError&) {
        // The font is looked up again where the text is drawn, and fails there.
    }

    // The canvas's border leaves the card box's inside as the face.
    picACard.setHeight(editor.picCard.Height());
    picACard.setWidth(editor.picCard.Width());
    picACard.setPicture(Picture());
    picACard.setBackColor(stored::colour(card, QStringLiteral("BGColour")));
    picACard.setPicture(editor.picCard.Picture());

    if (stored::flag(card, QStringLiteral("UsePicture")))
        paintPictureArea(picACard, picWhite.Picture(),
                         {editor.picFrame,
                          editor.picImage,
                          {},
                          stored::flag(card, QStringLiteral("UseFrame")),
                          stored::offset(card, QStringLiteral("PicLeft"), editor.picImage.Width(),
                                         editor.layout().card.width),
                          stored::offset(card, QStringLiteral("PicTop"), editor.picImage.Height(),
                                         editor.layout().card.height),
                          {.fillWidth = stored::flag(card, QStringLiteral("Resize"))}},
                         stored::hasBytes(card, QStringLiteral("Picture")));
    if (stored::flag(set, QStringLiteral("UseSymbol")))
        picACard.PaintPicture(editor.picSymbol.Picture(), editor.picSymbol.Left(), editor.picSymbol.Top());
    if (!stored::text(card, QStringLiteral("Artist")).isEmpty())
        picACard.PaintPicture(editor.picArtistDest.Picture(), editor.picArtistDest.Left(),
                              editor.picArtistDest.Top());

    printCardText(picACard, smallCardText(editor, SmallText::Title),
                  stored::text(card, QStringLiteral("Title")));

    typeTexts(editor);

    if (!stored::text(card, QStringLiteral("Number")).isEmpty())
        printCardText(picACard, smallCardText(editor, SmallText::Number),
                      stored::text(card, QStringLiteral("Number")));

    const CardText bold = smallCardText(editor, SmallText::Bold);
    useFont(picACard, bold);
    if (boldInLabelColour) picACard.setForeColor(editor.lblBold.ForeColor());
    printText(picACard, bold.placement, stored::text(card, QStringLiteral("BoldText")), editor.lblBold);

    useFont(picACard, shownInformation);
    printLines(picACard, m_wrapAhead.lines(picACard, information, editor.lblInformation.Width()),
               editor.lblInformation, {}, shownInformation.placement);

    if (stored::flag(set, QStringLiteral("Autonumber")))
        printCardText(picACard, smallCardText(editor, SmallText::Autonumber),
                      QString::number(stored::number(card, QStringLiteral("Nr"))));

    printCaption(picACard, smallCardText(editor, SmallText::Watermark));

    picACard.setPicture(picACard.Image());
}
