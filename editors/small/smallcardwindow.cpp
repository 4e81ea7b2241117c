#include "smallcardwindow.h"

#include "cardtextrows.h"
#include "navigationrow.h"
#include "printedback.h"

#include "runtime/colour.h"

namespace {
void place(Control& control, const Rect& rect) {
    control.Move(rect.left, rect.top, rect.width, rect.height);
}

void place(Control& control, double left, double top, double width, double height) {
    control.Move(left, top, width, height);
}

Font smallFonts(double size, bool bold = false) {
    return Font{QStringLiteral("Small Fonts"), size, bold, false};
}

// The edit panel beside the preview, and its rows, in pixels.
constexpr double kPanelTop = 36;
constexpr double kPanelWidth = 370;
constexpr double kPanelHeight = 376;
// A window's size includes its title bar and borders.
constexpr double kFrameWidth = 8;
constexpr double kFrameHeight = 34;
constexpr double kCaptionLeft = 4;
constexpr double kCaptionWidth = 72;
constexpr double kFieldLeft = 80;
constexpr double kRowHeight = 21;
} // namespace

SmallCardWindow::SmallCardWindow(const SmallCardLayout& layout)
    : Form(layout.windowName, Kind::MdiChild), cmdCardAdd(*this, QStringLiteral("cmdCardAdd")),
      cmdCardDelete(*this, QStringLiteral("cmdCardDelete")),
      lblCurrentCard(*this, QStringLiteral("lblCurrentCard")), cmdSort(*this, QStringLiteral("cmdSort")),
      cmdStat(*this, QStringLiteral("cmdStat")), previewContainer(*this, layout.previewName),
      picCard(previewContainer, QStringLiteral("picCard")),
      picBack(previewContainer, QStringLiteral("picBack")), picFrame(picCard, QStringLiteral("picFrame")),
      picImage(picFrame, QStringLiteral("picImage")), lblTitle(picCard, QStringLiteral("lblTitle")),
      lblNumber(picCard, QStringLiteral("lblNumber")), lblBold(picCard, QStringLiteral("lblBold")),
      lblPicSize(picCard, QStringLiteral("lblPicSize")),
      lblInformation(picCard, QStringLiteral("lblInformation")),
      lblAutonumber(picCard, QStringLiteral("lblAutonumber")),
      lblWatermark(picCard, QStringLiteral("lblWatermark")), picSymbol(picCard, QStringLiteral("picSymbol")),
      picArtistDest(picCard, QStringLiteral("picArtistDest")),
      picCardRest(*this, QStringLiteral("picCardRest")), cboType(picCardRest, QStringLiteral("cboType")),
      cmdGetType(picCardRest, QStringLiteral("cmdGetType")),
      cboNumber(picCardRest, QStringLiteral("cboNumber"), ComboBox::Style::Editable),
      chkOneLine(picCardRest, QStringLiteral("chkOneLine")),
      txtTitle(picCardRest, QStringLiteral("txtTitle")), cmdGetPic(picCardRest, QStringLiteral("cmdGetPic")),
      cmdDelPic(picCardRest, QStringLiteral("cmdDelPic")),
      lblPicDim(picCardRest, QStringLiteral("lblPicDim")),
      chkShowPicture(picCardRest, QStringLiteral("chkShowPicture")),
      chkFrame(picCardRest, QStringLiteral("chkFrame")), chkResize(picCardRest, QStringLiteral("chkResize")),
      cmdBackPic(picCardRest, QStringLiteral("cmdBackPic")),
      cmdDelBackPic(picCardRest, QStringLiteral("cmdDelBackPic")),
      cmdLastBackPic(picCardRest, QStringLiteral("cmdLastBackPic")),
      txtBold(picCardRest, QStringLiteral("txtBold")),
      txtInfo(picCardRest, QStringLiteral("txtInfo"), TextBox::Lines::Multi),
      cboCardBack(picCardRest, QStringLiteral("cboCardBack")),
      cmdGetCardBack(picCardRest, QStringLiteral("cmdGetCardBack")),
      picColour(picCardRest, QStringLiteral("picColour")),
      cmdColour(picCardRest, QStringLiteral("cmdColour")),
      txtArtist(picCardRest, QStringLiteral("txtArtist")),
      udCopy(picCardRest, QStringLiteral("udCopy"), QStringLiteral("txtCopy")), txtCopy(udCopy.Buddy()),
      m_layout(layout), m_cardTexts(picCard),
      m_keyPreview(*this, [this](qint16& KeyCode, qint16 Shift) { Form_KeyDown(KeyCode, Shift); }) {
    setCaption(layout.caption);
    setScaleMode(vbPixels);
    setWidth((2 * layout.card.width + kPanelWidth + 20 + kFrameWidth) * twipsPerPixel);
    setHeight((kPanelTop + kPanelHeight + 8 + kFrameHeight) * twipsPerPixel);
    placeNavigation();
    placePreview();
    placePanel();
    setTabOrder(addCaptions());
}

void SmallCardWindow::placeNavigation() {
    placeNavigationRow(*this, {cmdCardAdd, QStringLiteral("Add a new card"), cmdCardDelete,
                               QStringLiteral("Delete current card"), cmdCardNav,
                               QStringLiteral("cmdCardNav"), lblCurrentCard});
    lblCurrentCard.setCaption(QStringLiteral("0 (0)"));

    cmdSort.setCaption(QStringLiteral("Card list"));
    place(cmdSort, kNavigationRowEnd, 4, 80, 26);
    cmdStat.setCaption(QStringLiteral("Statistics"));
    place(cmdStat, kNavigationRowEnd + 84, 4, 80, 26);
}

void SmallCardWindow::placePreview() {
    const Rect& card = m_layout.card;
    previewContainer.setScaleMode(vbPixels);
    previewContainer.setBorderStyle(vbBSNone);
    place(previewContainer, 4, kPanelTop, 2 * card.width, card.height);

    picCard.setScaleMode(vbPixels);
    picCard.setBackColor(vbWhite);
    place(picCard, card);
    place(picBack, card.left + card.width, card.top, card.width, card.height);
    showBackAsPrinted(picBack);

    // White where no picture covers the frame, as the printed card's field under the picture.
    place(picFrame, m_layout.frame);
    picFrame.setBackColor(vbWhite);
    picImage.setBorderStyle(vbBSNone);
    picImage.setBackColor(vbWhite);
    picImage.setAutoSize(true);

    // Only the pointer shows the handle: the card has nothing there.
    place(lblPicSize, m_layout.picSize);
    lblPicSize.widget()->setCursor(Qt::SizeVerCursor);

    const Font titleFont{m_layout.titleFace, m_layout.titleSize, m_layout.titleBold, false};
    place(lblTitle, m_layout.title);
    lblTitle.setFont(titleFont);

    for (size_t i = 0; i < m_layout.types.size(); ++i) {
        Label& label = lblType.emplace_back(picCard, QStringLiteral("lblType(%1)").arg(i));
        place(label, m_layout.types[i]);
        label.setFont(smallFonts(6.75));
    }

    place(lblNumber, m_layout.number);
    lblNumber.setFont(smallFonts(6.75));

    place(lblBold, m_layout.bold);
    lblBold.setFont(titleFont);
    lblBold.setForeColor(vbBlack);

    place(lblInformation, m_layout.information);
    lblInformation.setFont(smallFonts(6.75));

    place(lblAutonumber, m_layout.autonumber);
    lblAutonumber.setFont(smallFonts(5.25));
    lblAutonumber.setVisible(false);

    place(lblWatermark, m_layout.watermark);
    lblWatermark.setFont(smallFonts(5.25));
    lblWatermark.setForeColor(RGB(192, 192, 192));

    place(picSymbol, m_layout.symbol);
    picSymbol.setBorderStyle(vbBSNone);
    picSymbol.setAutoSize(true);
    picSymbol.setVisible(false);

    place(picArtistDest, m_layout.artist);
    picArtistDest.setBorderStyle(vbBSNone);
    picArtistDest.setBackColor(vbWhite);
    picArtistDest.setVisible(false);

    // The card's own texts show as they are printed, over its pictures.
    showAsPrinted(m_cardTexts, smallCardTexts(*this));
}

void SmallCardWindow::placePanel() {
    picCardRest.setScaleMode(vbPixels);
    picCardRest.setBorderStyle(vbBSNone);
    place(picCardRest, 2 * m_layout.card.width + 12, kPanelTop, kPanelWidth, kPanelHeight);

    const double wide = 270;
    place(cboType, kFieldLeft, 4, wide - 28, kRowHeight);
    cmdGetType.setCaption(QStringLiteral("..."));
    place(cmdGetType, kFieldLeft + wide - 24, 4, 24, kRowHeight);

    place(cboNumber, kFieldLeft, 30, 60, kRowHeight);
    chkOneLine.setCaption(QStringLiteral("One &line on top"));
    place(chkOneLine, kFieldLeft + 72, 30, 140, kRowHeight);

    place(txtTitle, kFieldLeft, 56, wide, kRowHeight);
    txtTitle.setText(QStringLiteral("CARD 1"));

    cmdGetPic.setCaption(QStringLiteral("Select"));
    place(cmdGetPic, kFieldLeft, 82, 64, 23);
    cmdDelPic.setCaption(QStringLiteral("Remove"));
    place(cmdDelPic, kFieldLeft + 68, 82, 64, 23);
    lblPicDim.setCaption(QStringLiteral("138W * 105H"));
    place(lblPicDim, kFieldLeft + 140, 86, 130, 17);

    chkShowPicture.setCaption(QStringLiteral("&Use picture"));
    place(chkShowPicture, kFieldLeft, 108, 92, kRowHeight);
    chkFrame.setCaption(QStringLiteral("Use &frames"));
    place(chkFrame, kFieldLeft + 96, 108, 92, kRowHeight);
    chkResize.setCaption(QStringLiteral("&Resize"));
    place(chkResize, kFieldLeft + 192, 108, 78, kRowHeight);

    cmdBackPic.setCaption(QStringLiteral("Select"));
    place(cmdBackPic, kFieldLeft, 134, 64, 23);
    cmdDelBackPic.setCaption(QStringLiteral("Remove"));
    place(cmdDelBackPic, kFieldLeft + 68, 134, 64, 23);
    cmdLastBackPic.setCaption(QStringLiteral("Last used"));
    place(cmdLastBackPic, kFieldLeft + 136, 134, 76, 23);

    place(txtBold, kFieldLeft, 162, wide, kRowHeight);
    place(txtInfo, kFieldLeft, 188, wide, 96);

    place(cboCardBack, kFieldLeft, 290, wide - 28, kRowHeight);
    cmdGetCardBack.setCaption(QStringLiteral("..."));
    place(cmdGetCardBack, kFieldLeft + wide - 24, 290, 24, kRowHeight);

    place(picColour, kFieldLeft, 316, 40, kRowHeight);
    cmdColour.setCaption(QStringLiteral("..."));
    place(cmdColour, kFieldLeft + 44, 316, 24, kRowHeight);

    place(txtArtist, kFieldLeft, 342, wide, kRowHeight);

    udCopy.setRange(1, 999);
    place(udCopy, kFieldLeft + 200, 316, 70, kRowHeight);
}

SmallCardWindow::Captions SmallCardWindow::addCaptions() {
    struct Caption {
        const char* name;
        const char* text;
        double top;
        Control* next; // after the label in the tab order
    };
    const Caption rows[] = {
        {"lblCaptionType", "T&ype:", 6, &cboType},
        {"lblCaptionNumber", "&Number:", 32, &cboNumber},
        {"lblCaptionTitle", "&Title:", 58, &txtTitle},
        {"lblCaptionPicture", "&Picture:", 86, &cmdGetPic},
        {"lblCaptionBackground", "&Background:", 138, &cmdBackPic},
        {"lblCaptionBold", "B&old text:", 164, &txtBold},
        {"lblCaptionInformation", "&Information:", 190, &txtInfo},
        {"lblCaptionCardBack", "C&ard back:", 292, &cboCardBack},
        {"lblCaptionColour", "&Colour:", 318, &cmdColour},
        {"lblCaptionArtist", "Arti&st:", 344, &txtArtist},
    };
    Captions captions;
    for (const Caption& caption : rows) {
        Label& label = m_captions.emplace_back(picCardRest, QString::fromLatin1(caption.name));
        place(label, kCaptionLeft, caption.top, kCaptionWidth, 17);
        label.setCaption(QString::fromLatin1(caption.text));
        captions[caption.next] = &label;
    }
    Label& multiple = m_captions.emplace_back(picCardRest, QStringLiteral("lblCaptionMultiple"));
    place(multiple, kFieldLeft + 140, 318, 58, 17);
    multiple.setAlignment(vbRightJustify);
    multiple.setCaption(QStringLiteral("&Multiple:"));
    captions[&udCopy] = &multiple;
    return captions;
}

// Top to bottom, left to right, as the window reads; each label just ahead of the control
// it names, which its access key reaches.
void SmallCardWindow::setTabOrder(const Captions& captions) {
    std::vector<Control*> order{&cmdCardAdd, &cmdCardDelete};
    for (CommandButton& button : cmdCardNav)
        order.push_back(&button);
    order.insert(order.end(),
                 {&cmdSort,        &cmdStat,       &cboType,        &cmdGetType,     &cboNumber, &chkOneLine,
                  &txtTitle,       &cmdGetPic,     &cmdDelPic,      &chkShowPicture, &chkFrame,  &chkResize,
                  &cmdBackPic,     &cmdDelBackPic, &cmdLastBackPic, &txtBold,        &txtInfo,   &cboCardBack,
                  &cmdGetCardBack, &cmdColour,     &udCopy,         &txtArtist});
    ::setTabOrder(order, captions);
}
