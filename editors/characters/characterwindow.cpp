#include "characterwindow.h"

#include "cardresources.h"
#include "cardtextrows.h"
#include "navigationrow.h"
#include "printedback.h"

#include "forms/systemcolours.h"
#include "runtime/colour.h"

namespace {
Font smallFonts(double size, bool bold = false) {
    return Font{QStringLiteral("Small Fonts"), size, bold, false};
}

// A text of the card, in the preview's own font until a set gives it its own.
void cardText(Label& label, const QString& caption, const Font& font) {
    label.setCaption(caption);
    label.setFont(font);
}

// A box of the preview that holds a picture or other controls.
void previewBox(PictureBox& box, int borderStyle, int scaleMode = vbPixels) {
    box.setBorderStyle(borderStyle);
    box.setScaleMode(scaleMode);
}

// A picture placed inside a frame, as large as the picture.
void framedPicture(PictureBox& picture, double left, double top, double width, double height) {
    picture.setBorderStyle(vbBSNone);
    picture.setBackColor(vbWhite); // as its frame, until a picture fills it
    picture.setAutoSize(true);
    picture.MovePixels(left, top, width, height);
}

// The window: record row, edit panel below it, the preview below the panel.
constexpr double kPanelLeft = 8;
constexpr double kPanelTop = 40;
constexpr double kPanelWidth = 777;
constexpr double kPanelHeight = 177;
constexpr double kPreviewTop = 224;
constexpr double kPreviewWidth = 776;
constexpr double kPreviewHeight = 259;
// A window's size includes its title bar and borders.
constexpr double kFrameWidth = 8;
constexpr double kFrameHeight = 34;

// The panel's three columns: captions, then their fields; rows 26 pixels apart.
constexpr double kRowHeight = 21;
constexpr double kButtonHeight = 23;
constexpr double kRowTops[] = {4, 30, 56, 82, 108, 134};
struct Column {
    double captionLeft, captionWidth, fieldLeft, fieldWidth;
};
constexpr Column kTexts{4, 92, 100, 230};
constexpr Column kAttributes{344, 58, 404, 64};
constexpr Column kPictures{484, 88, 574, 199};
constexpr double kSelectWidth = 56;
constexpr double kRemoveLeft = kPictures.fieldLeft + kSelectWidth + 4;
constexpr double kDimensionLeft = kRemoveLeft + kSelectWidth + 4;
} // namespace

CharacterWindow::CharacterWindow()
    : Form(QStringLiteral("frmCharacter2nd"), Kind::MdiChild),
      cmdCharacterAdd(*this, QStringLiteral("cmdCharacterAdd")),
      cmdCharacterDelete(*this, QStringLiteral("cmdCharacterDelete")),
      lblCurrentCardCharacter(*this, QStringLiteral("lblCurrentCardCharacter")),
      cmdSortCharacter(*this, QStringLiteral("cmdSortCharacter")),
      picCharacterRest(*this, QStringLiteral("picCharacterRest")),
      txtCharName(picCharacterRest, QStringLiteral("txtCharName")),
      cboStartArea(picCharacterRest, QStringLiteral("cboStartArea")),
      chkIncludeBoard(picCharacterRest, QStringLiteral("chkIncludeBoard")),
      cboAlignment(picCharacterRest, QStringLiteral("cboAlignment")),
      chkShowPictureCharacter(picCharacterRest, QStringLiteral("chkShowPictureCharacter")),
      chkFrameCharacter(picCharacterRest, QStringLiteral("chkFrameCharacter")),
      cmdGetCharPic(picCharacterRest, QStringLiteral("cmdGetCharPic")),
      cmdDelCharPic(picCharacterRest, QStringLiteral("cmdDelCharPic")),
      lblPicDimChar(picCharacterRest, QStringLiteral("lblPicDimChar")),
      txtSpecialAbilities(picCharacterRest, QStringLiteral("txtSpecialAbilities"), TextBox::Lines::Multi),
      cmdBackCharPic(picCharacterRest, QStringLiteral("cmdBackCharPic")),
      cmdDelBackCharPic(picCharacterRest, QStringLiteral("cmdDelBackCharPic")),
      cboCharacterCardback(picCharacterRest, QStringLiteral("cboCharacterCardback")),
      cmdGetPlayingPiecePic(picCharacterRest, QStringLiteral("cmdGetPlayingPiecePic")),
      cmdDelPlayingPiecePic(picCharacterRest, QStringLiteral("cmdDelPlayingPiecePic")),
      lblPicDimPlay(picCharacterRest, QStringLiteral("lblPicDimPlay")),
      pic2ndCharacter(*this, QStringLiteral("pic2ndCharacter")),
      picCharacter(pic2ndCharacter, QStringLiteral("picCharacter")),
      lblCharacter(picCharacter, QStringLiteral("lblCharacter")),
      lblObjects(picCharacter, QStringLiteral("lblObjects")),
      lblFollowers(picCharacter, QStringLiteral("lblFollowers")),
      picBackgroundChar(picCharacter, QStringLiteral("picBackgroundChar")),
      picFrameCharacter(picBackgroundChar, QStringLiteral("picFrameCharacter")),
      picImageCharacter(picFrameCharacter, QStringLiteral("picImageCharacter")),
      lblPicSizeCharacter(picBackgroundChar, QStringLiteral("lblPicSizeCharacter")),
      lblAlignmentTitle(picBackgroundChar, QStringLiteral("lblAlignmentTitle")),
      lblAlignment(picBackgroundChar, QStringLiteral("lblAlignment")),
      lblStartTitle(picBackgroundChar, QStringLiteral("lblStartTitle")),
      lblStart(picBackgroundChar, QStringLiteral("lblStart")),
      lblSpecialTitle(picBackgroundChar, QStringLiteral("lblSpecialTitle")),
      lblSpecial(picBackgroundChar, QStringLiteral("lblSpecial")),
      lblAutonumberCharacter(picBackgroundChar, QStringLiteral("lblAutonumberCharacter")),
      picSymbolCharacter(picBackgroundChar, QStringLiteral("picSymbolCharacter")),
      picCharacterBack(pic2ndCharacter, QStringLiteral("picCharacterBack")),
      picPlayingPiece(pic2ndCharacter, QStringLiteral("picPlayingPiece")),
      picPlayingPieceFrame(picPlayingPiece, QStringLiteral("picPlayingPieceFrame")),
      picPlayingPieceImage(picPlayingPieceFrame, QStringLiteral("picPlayingPieceImage")),
      lblPlayingPieceName(picPlayingPiece, QStringLiteral("lblPlayingPieceName")), m_cardTexts(picCharacter),
      m_pieceTexts(picPlayingPiece) {
    setCaption(QStringLiteral("Character (2nd)"));
    setScaleMode(vbPixels);
    setWidth((kPanelLeft + kPanelWidth + 8 + kFrameWidth) * twipsPerPixel);
    setHeight((kPreviewTop + kPreviewHeight + 8 + kFrameHeight) * twipsPerPixel);
    placeRecordRow();
    placePanel();
    placeCard();
    placePlayingPiece();
    setTabOrder(addCaptions());
}

void CharacterWindow::placeRecordRow() {
    placeNavigationRow(*this, {cmdCharacterAdd, QStringLiteral("Add a new character"), cmdCharacterDelete,
                               QStringLiteral("Delete current character"), cmdCharNav,
                               QStringLiteral("cmdCharNav"), lblCurrentCardCharacter});
    lblCurrentCardCharacter.setCaption(QStringLiteral("1 (1)"));
    cmdSortCharacter.setCaption(QStringLiteral("List"));
    cmdSortCharacter.Move(kNavigationRowEnd, 4, 80, 26);
}

void CharacterWindow::placePanel() {
    previewBox(picCharacterRest, vbBSNone);
    picCharacterRest.Move(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);

    txtCharName.Move(kTexts.fieldLeft, kRowTops[0], kTexts.fieldWidth, kRowHeight);
    cboStartArea.Move(kTexts.fieldLeft, kRowTops[1], kTexts.fieldWidth, kRowHeight);
    chkIncludeBoard.setCaption(QStringLiteral("Include Board name"));
    chkIncludeBoard.Move(kTexts.fieldLeft, kRowTops[2], kTexts.fieldWidth, kRowHeight);
    cboAlignment.Move(kTexts.fieldLeft, kRowTops[3], kTexts.fieldWidth, kRowHeight);
    txtSpecialAbilities.Move(kTexts.fieldLeft, kRowTops[4], kTexts.fieldWidth,
                             kRowTops[5] + kRowHeight - kRowTops[4]);

    for (int i = 0; i < 4; ++i) {
        ComboBox& combo = cboCharAttr.emplace_back(picCharacterRest, QStringLiteral("cboCharAttr(%1)").arg(i),
                                                   ComboBox::Style::Editable);
        combo.Move(kAttributes.fieldLeft, kRowTops[i], kAttributes.fieldWidth, kRowHeight);
    }
    const double checkWidth = kAttributes.fieldLeft + kAttributes.fieldWidth - kAttributes.captionLeft;
    chkShowPictureCharacter.setCaption(QStringLiteral("&Use picture"));
    chkShowPictureCharacter.Move(kAttributes.captionLeft, kRowTops[4], checkWidth, kRowHeight);
    chkFrameCharacter.setCaption(QStringLiteral("Use &frames"));
    chkFrameCharacter.Move(kAttributes.captionLeft, kRowTops[5], checkWidth, kRowHeight);

    const auto pictureButtons = [](CommandButton& select, CommandButton& remove, double top) {
        select.setCaption(QStringLiteral("Select"));
        select.Move(kPictures.fieldLeft, top, kSelectWidth, kButtonHeight);
        remove.setCaption(QStringLiteral("Remove"));
        remove.Move(kRemoveLeft, top, kSelectWidth, kButtonHeight);
    };
    const double dimensionWidth = kPictures.fieldLeft + kPictures.fieldWidth - kDimensionLeft;
    pictureButtons(cmdGetCharPic, cmdDelCharPic, kRowTops[0]);
    lblPicDimChar.setCaption(QStringLiteral("(121W*218H)"));
    lblPicDimChar.Move(kDimensionLeft, kRowTops[0] + 4, dimensionWidth, 17);
    pictureButtons(cmdBackCharPic, cmdDelBackCharPic, kRowTops[1]);
    cboCharacterCardback.Move(kPictures.fieldLeft, kRowTops[2], kPictures.fieldWidth, kRowHeight);
    pictureButtons(cmdGetPlayingPiecePic, cmdDelPlayingPiecePic, kRowTops[3]);
    lblPicDimPlay.setCaption(QStringLiteral("(132W*222H)"));
    lblPicDimPlay.Move(kDimensionLeft, kRowTops[3] + 4, dimensionWidth, 17);
}

void CharacterWindow::placeCard() {
    previewBox(pic2ndCharacter, vbBSNone);
    pic2ndCharacter.Move(kPanelLeft, kPreviewTop, kPreviewWidth, kPreviewHeight);

    previewBox(picCharacter, vbFixedSingle);
    picCharacter.Move(0, 0, 304, 256);
    const double attributeLefts[] = {0, 0, 290, 290};
    const double attributeTops[] = {44, 159, 44, 159};
    for (int i = 0; i < 4; ++i) {
        PictureBox& box =
            picCharAttrDisp.emplace_back(picCharacter, QStringLiteral("picCharAttrDisp(%1)").arg(i));
        previewBox(box, vbBSNone);
        box.Move(attributeLefts[i], attributeTops[i], 12, 52);
    }
    const Font heading = smallFonts(6.75, true);
    for (Label* label : {&lblCharacter, &lblObjects, &lblFollowers})
        label->setForeColor(vbWhite);
    cardText(lblCharacter, QStringLiteral("CHARACTER NAME"), heading);
    lblCharacter.Move(80, 0, 140, 13);
    cardText(lblObjects, QStringLiteral("OBJECTS"), heading);
    lblObjects.Move(46, 242, 71, 12);
    cardText(lblFollowers, QStringLiteral("FOLLOWERS"), heading);
    lblFollowers.Move(185, 242, 71, 12);

    // On the template's white field, which the card shows when the box is not printed.
    previewBox(picBackgroundChar, vbBSNone);
    picBackgroundChar.setBackColor(vbWhite);
    const QRect field = kCharacterTemplateField;
    picBackgroundChar.Move(field.left(), field.top(), field.width(), field.height());

    previewBox(picFrameCharacter, vbBSNone, vbTwips);
    picFrameCharacter.setBackColor(vbWhite);
    picFrameCharacter.Move(1, 1, 121, 220);
    framedPicture(picImageCharacter, 8, 8, 33, 49);

    lblPicSizeCharacter.Move(122, 1, 5, 220);
    lblPicSizeCharacter.widget()->setCursor(Qt::SizeHorCursor);

    const Font column = smallFonts(6, true);
    cardText(lblAlignmentTitle, QStringLiteral("ALIGNMENT:"), column);
    lblAlignmentTitle.Move(128, 3, 65, 12);
    cardText(lblAlignment, QStringLiteral("GOOD"), column);
    lblAlignment.Move(193, 3, 79, 12);
    cardText(lblStartTitle, QStringLiteral("START:"), column);
    lblStartTitle.Move(128, 15, 41, 12);
    cardText(lblStart, QStringLiteral("ANYWHERE"), column);
    lblStart.Move(169, 15, 103, 12);
    cardText(lblSpecialTitle, QStringLiteral("SPECIAL ABILITIES"), heading);
    lblSpecialTitle.Move(128, 28, 144, 11);
    cardText(lblSpecial, QString(), smallFonts(6.75));
    lblSpecial.Move(128, 43, 144, 177);

    cardText(lblAutonumberCharacter, QStringLiteral("0"), smallFonts(5.25));
    lblAutonumberCharacter.Move(2, 220, 13, 9);
    lblAutonumberCharacter.setVisible(false);

    Label& cardWatermark = lblWatermark.emplace_back(picBackgroundChar, QStringLiteral("lblWatermark(0)"));
    cardText(cardWatermark, QString(), smallFonts(5.25));
    cardWatermark.setForeColor(RGB(192, 192, 192));
    cardWatermark.Move(113, 220, 40, 9);

    picSymbolCharacter.setBorderStyle(vbBSNone);
    picSymbolCharacter.setAutoSize(true);
    picSymbolCharacter.Move(265, 218, 9, 9);
    picSymbolCharacter.setVisible(false);

    // The card's own texts show as they are printed, over its pictures.
    showAsPrinted(m_cardTexts, characterCardTexts(*this));

    showBackAsPrinted(picCharacterBack);
    picCharacterBack.Move(304, 0, 304, 256);
}

void CharacterWindow::placePlayingPiece() {
    previewBox(picPlayingPiece, vbFixedSingle);
    // The printed piece has no base picture: what it leaves unpainted is the window colour.
    picPlayingPiece.setBackColor(vbWindowBackground);
    picPlayingPiece.Move(624, 0, 152, 256);
    // The outline around the name and the frame, on the editor's picture of the piece only.
    picPlayingPiece.Line(8, 8, 141, 246, vbBlack, LineShape::Box);

    previewBox(picPlayingPieceFrame, vbBSNone, vbTwips);
    picPlayingPieceFrame.setBackColor(vbWhite);
    picPlayingPieceFrame.Move(9, 24, 132, 222);
    framedPicture(picPlayingPieceImage, 0, 0, 57, 49);

    cardText(lblPlayingPieceName, QStringLiteral("CHARACTER NAME"), smallFonts(6.75, true));
    lblPlayingPieceName.Move(8, 10, 132, 13);

    Label& pieceWatermark = lblWatermark.emplace_back(picPlayingPiece, QStringLiteral("lblWatermark(1)"));
    cardText(pieceWatermark, QString(), smallFonts(5.25));
    pieceWatermark.setForeColor(RGB(192, 192, 192));
    pieceWatermark.Move(0, 246, 152, 9);
    showAsPrinted(m_pieceTexts, playingPieceTexts(*this));
}

CharacterWindow::Captions CharacterWindow::addCaptions() {
    struct Caption {
        const char* name;
        const char* text;
        const Column& column;
        int row;
        Control* next; // after the label in the tab order
    };
    const Caption rows[] = {
        {"lblCaptionName", "&Name:", kTexts, 0, &txtCharName},
        {"lblCaptionStartArea", "Starting &area:", kTexts, 1, &cboStartArea},
        {"lblCaptionAlignment", "Alignmen&t:", kTexts, 3, &cboAlignment},
        {"lblCaptionSpecial", "Sp&ecial abilities:", kTexts, 4, &txtSpecialAbilities},
        {"lblCaptionStrength", "&Strength:", kAttributes, 0, &cboCharAttr[0]},
        {"lblCaptionCraft", "&Craft:", kAttributes, 1, &cboCharAttr[1]},
        {"lblCaptionGold", "&Gold:", kAttributes, 2, &cboCharAttr[2]},
        {"lblCaptionLives", "&Lives:", kAttributes, 3, &cboCharAttr[3]},
        {"lblCaptionPicture", "&Picture:", kPictures, 0, &cmdGetCharPic},
        {"lblCaptionBackground", "&Background:", kPictures, 1, &cmdBackCharPic},
        {"lblCaptionCardBack", "Ca&rd back:", kPictures, 2, &cboCharacterCardback},
        {"lblCaptionPlayingPiece", "Playing piece:", kPictures, 3, &cmdGetPlayingPiecePic},
    };
    Captions captions;
    for (const Caption& caption : rows) {
        Label& label = m_captions.emplace_back(picCharacterRest, QString::fromLatin1(caption.name));
        label.Move(caption.column.captionLeft, kRowTops[caption.row] + 2, caption.column.captionWidth, 17);
        label.setCaption(QString::fromLatin1(caption.text));
        captions[caption.next] = &label;
    }
    return captions;
}

// Column by column, top to bottom, as the panel reads; each label just ahead of the
// control it names, which its access key reaches.
void CharacterWindow::setTabOrder(const Captions& captions) {
    std::vector<Control*> order{&cmdCharacterAdd, &cmdCharacterDelete};
    for (CommandButton& button : cmdCharNav)
        order.push_back(&button);
    order.insert(order.end(), {&cmdSortCharacter, &txtCharName, &cboStartArea, &chkIncludeBoard,
                               &cboAlignment, &txtSpecialAbilities});
    for (ComboBox& combo : cboCharAttr)
        order.push_back(&combo);
    order.insert(order.end(), {&chkShowPictureCharacter, &chkFrameCharacter, &cmdGetCharPic, &cmdDelCharPic,
                               &cmdBackCharPic, &cmdDelBackCharPic, &cboCharacterCardback,
                               &cmdGetPlayingPiecePic, &cmdDelPlayingPiecePic});
    ::setTabOrder(order, captions);
}
