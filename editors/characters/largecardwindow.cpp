#include "largecardwindow.h"

#include "cardtextrows.h"
#include "navigationrow.h"
#include "printedback.h"

#include "runtime/colour.h"

namespace {
Font smallFonts(double size, bool bold = false) {
    return Font{QStringLiteral("Small Fonts"), size, bold, false};
}

// The window: record row, edit panel below it, the preview below the panel.
constexpr double kClientWidth = 629;
constexpr double kClientHeight = 507;
// A window's size includes its title bar and borders.
constexpr double kFrameWidth = 8;
constexpr double kFrameHeight = 34;

// The panel: captions on the left, their fields from kFieldLeft; the information on the right.
constexpr double kFieldLeft = 72;
constexpr double kRowHeight = 21;
constexpr double kButtonWidth = 73;
constexpr double kButtonHeight = 23;
constexpr double kTitleTop = 0, kPictureTop = 46, kUsePictureTop = 72, kFramesTop = 94, kBackgroundTop = 118,
                 kCardBackTop = 144, kColourTop = 170;
constexpr double kInformationLeft = 296;
} // namespace

LargeCardWindow::LargeCardWindow()
    : Form(QStringLiteral("frmLarge2nd"), Kind::MdiChild), cmdCardAdd(*this, QStringLiteral("cmdCardAdd")),
      cmdCardDelete(*this, QStringLiteral("cmdCardDelete")),
      lblCurrentCard(*this, QStringLiteral("lblCurrentCard")),
      picLargeCard(*this, QStringLiteral("picLargeCard")),
      txtTitleLarge(picLargeCard, QStringLiteral("txtTitleLarge"), TextBox::Lines::Multi),
      cmdGetPicLarge(picLargeCard, QStringLiteral("cmdGetPicLarge")),
      cmdDelPicLarge(picLargeCard, QStringLiteral("cmdDelPicLarge")),
      chkShowPictureLarge(picLargeCard, QStringLiteral("chkShowPictureLarge")),
      lblPicDimLarge(picLargeCard, QStringLiteral("lblPicDimLarge")),
      chkFrameLarge(picLargeCard, QStringLiteral("chkFrameLarge")),
      chkResizeLarge(picLargeCard, QStringLiteral("chkResizeLarge")),
      cmdBackPicLarge(picLargeCard, QStringLiteral("cmdBackPicLarge")),
      cmdDelBackPicLarge(picLargeCard, QStringLiteral("cmdDelBackPicLarge")),
      cmdCardbackLarge(picLargeCard, QStringLiteral("cmdCardbackLarge")),
      cmdDelCardbackLarge(picLargeCard, QStringLiteral("cmdDelCardbackLarge")),
      picColourLarge(picLargeCard, QStringLiteral("picColourLarge")),
      cmdColourLarge(picLargeCard, QStringLiteral("cmdColourLarge")),
      udCopyLarge(picLargeCard, QStringLiteral("udCopyLarge"), QStringLiteral("txtCopyLarge")),
      txtCopyLarge(udCopyLarge.Buddy()),
      txtInfoLarge(picLargeCard, QStringLiteral("txtInfoLarge"), TextBox::Lines::Multi),
      pic2ndCardLarge(*this, QStringLiteral("pic2ndCardLarge")),
      picCardLarge(pic2ndCardLarge, QStringLiteral("picCardLarge")),
      picFrameLarge(picCardLarge, QStringLiteral("picFrameLarge")),
      picImageLarge(picFrameLarge, QStringLiteral("picImageLarge")),
      lblPicSizeLarge(picCardLarge, QStringLiteral("lblPicSizeLarge")),
      lblTitleLarge(picCardLarge, QStringLiteral("lblTitleLarge")),
      lblInformationLarge(picCardLarge, QStringLiteral("lblInformationLarge")),
      lblAutonumberLarge(picCardLarge, QStringLiteral("lblAutonumberLarge")),
      lblWatermark(picCardLarge, QStringLiteral("lblWatermark")),
      picSymbolLarge(picCardLarge, QStringLiteral("picSymbolLarge")),
      picBackLarge(pic2ndCardLarge, QStringLiteral("picBackLarge")), m_cardTexts(picCardLarge) {
    setCaption(QStringLiteral("Large Card (2nd)"));
    setScaleMode(vbPixels);
    setWidth((kClientWidth + kFrameWidth) * twipsPerPixel);
    setHeight((kClientHeight + kFrameHeight) * twipsPerPixel);
    placeNavigationRow(*this, {cmdCardAdd, QStringLiteral("Add a new card"), cmdCardDelete,
                               QStringLiteral("Delete current card"), cmdCardNav,
                               QStringLiteral("cmdCardNav"), lblCurrentCard});
    lblCurrentCard.setCaption(QStringLiteral("0 (0)"));
    placePanel();
    placePreview();
    setTabOrder(addCaptions());
}

void LargeCardWindow::placePanel() {
    picLargeCard.setBorderStyle(vbBSNone);
    picLargeCard.setScaleMode(vbPixels);
    picLargeCard.Move(8, 40, 553, 193);

    txtTitleLarge.Move(kFieldLeft, kTitleTop, 201, 40);
    txtTitleLarge.setText(QStringLiteral("CARD 1"));

    const auto buttons = [](CommandButton& select, CommandButton& remove, double top) {
        select.setCaption(QStringLiteral("Select"));
        select.Move(kFieldLeft, top, kButtonWidth, kButtonHeight);
        remove.setCaption(QStringLiteral("Remove"));
        remove.Move(kFieldLeft + kButtonWidth + 1, top, kButtonWidth, kButtonHeight);
    };
    buttons(cmdGetPicLarge, cmdDelPicLarge, kPictureTop);
    chkShowPictureLarge.setCaption(QStringLiteral("&Use picture"));
    chkShowPictureLarge.setValue(vbChecked);
    chkShowPictureLarge.Move(kFieldLeft, kUsePictureTop, 96, kRowHeight);
    lblPicDimLarge.setCaption(QStringLiteral("138W * 105H"));
    lblPicDimLarge.setAlignment(vbRightJustify);
    lblPicDimLarge.Move(170, kUsePictureTop + 2, 103, 17);
    chkFrameLarge.setCaption(QStringLiteral("Use &frames"));
    chkFrameLarge.setValue(vbChecked);
    chkFrameLarge.Move(kFieldLeft, kFramesTop, 96, kRowHeight);
    chkResizeLarge.setCaption(QStringLiteral("&Resize"));
    chkResizeLarge.Move(176, kFramesTop, 97, kRowHeight);
    buttons(cmdBackPicLarge, cmdDelBackPicLarge, kBackgroundTop);
    buttons(cmdCardbackLarge, cmdDelCardbackLarge, kCardBackTop);

    picColourLarge.Move(kFieldLeft, kColourTop, 49, kRowHeight);
    cmdColourLarge.setCaption(QStringLiteral("..."));
    cmdColourLarge.Move(124, kColourTop, 24, kRowHeight);
    udCopyLarge.setRange(1, 999);
    udCopyLarge.Move(213, kColourTop, 60, kRowHeight);

    txtInfoLarge.Move(kInformationLeft, 18, 241, 173);
}

void LargeCardWindow::placePreview() {
    pic2ndCardLarge.setBorderStyle(vbBSNone);
    pic2ndCardLarge.setScaleMode(vbPixels);
    pic2ndCardLarge.Move(8, 240, 608, 256);

    picCardLarge.setBorderStyle(vbFixedSingle);
    picCardLarge.setScaleMode(vbPixels);
    picCardLarge.setBackColor(vbWhite);
    picCardLarge.Move(0, 0, 304, 256);

    picFrameLarge.setBorderStyle(vbFixedSingle);
    picFrameLarge.setScaleMode(vbTwips);
    picFrameLarge.setBackColor(vbWhite);
    picFrameLarge.Move(8, 8, 121, 238);
    picImageLarge.setBorderStyle(vbBSNone);
    picImageLarge.setBackColor(vbWhite); // as its frame, until a picture fills it
    picImageLarge.setAutoSize(true);
    picImageLarge.MovePixels(0, 0, 33, 49);

    lblPicSizeLarge.widget()->setCursor(Qt::SizeHorCursor);
    lblPicSizeLarge.Move(129, 8, 5, 238);

    lblTitleLarge.setFont(smallFonts(6.75, true));
    lblTitleLarge.Move(134, 8, kColumnRight - 134, 25);
    lblInformationLarge.setFont(smallFonts(6.75));
    lblInformationLarge.Move(134, 32, kColumnRight - 134, 212);
    lblAutonumberLarge.setFont(smallFonts(5.25));
    lblAutonumberLarge.setCaption(QStringLiteral("0"));
    lblAutonumberLarge.Move(0, 246, 13, 9);
    lblAutonumberLarge.setVisible(false);
    lblWatermark.setFont(smallFonts(5.25));
    lblWatermark.setForeColor(RGB(192, 192, 192));
    lblWatermark.Move(132, 246, 40, 9);

    picSymbolLarge.setBorderStyle(vbBSNone);
    picSymbolLarge.setAutoSize(true);
    picSymbolLarge.Move(293, 245, 9, 9);
    picSymbolLarge.setVisible(false);

    // The card's own texts show as they are printed, over its pictures.
    showAsPrinted(m_cardTexts, largeCardTexts(*this));

    showBackAsPrinted(picBackLarge);
    picBackLarge.Move(304, 0, 304, 256);
}

LargeCardWindow::Captions LargeCardWindow::addCaptions() {
    struct Caption {
        const char* name;
        const char* text;
        double left, top, width;
        Control* next; // after the label in the tab order
        int alignment = vbLeftJustify;
    };
    const Caption rows[] = {
        {"lblCaptionTitle", "&Title:", 0, kTitleTop + 2, 70, &txtTitleLarge},
        {"lblCaptionPicture", "&Picture:", 0, kPictureTop + 3, 70, &cmdGetPicLarge},
        {"lblCaptionBackground", "&Background:", 0, kBackgroundTop + 3, 70, &cmdBackPicLarge},
        {"lblCaptionCardBack", "C&ard back:", 0, kCardBackTop + 3, 70, &cmdCardbackLarge},
        {"lblCaptionColour", "&Colour:", 0, kColourTop + 2, 70, &cmdColourLarge},
        // It stands against its box.
        {"lblCaptionMultiple", "&Multiple:", 152, kColourTop + 2, 58, &udCopyLarge, vbRightJustify},
        {"lblCaptionInformation", "&Information:", kInformationLeft, 0, 241, &txtInfoLarge},
    };
    Captions captions;
    for (const Caption& caption : rows) {
        Label& label = m_captions.emplace_back(picLargeCard, QString::fromLatin1(caption.name));
        label.Move(caption.left, caption.top, caption.width, 17);
        label.setCaption(QString::fromLatin1(caption.text));
        label.setAlignment(caption.alignment);
        captions[caption.next] = &label;
    }
    return captions;
}

// Top to bottom, then the information, as the panel reads; each label just ahead of the
// control it names, which its access key reaches.
void LargeCardWindow::setTabOrder(const Captions& captions) {
    std::vector<Control*> order{&cmdCardAdd, &cmdCardDelete};
    for (CommandButton& button : cmdCardNav)
        order.push_back(&button);
    order.insert(order.end(),
                 {&txtTitleLarge, &cmdGetPicLarge, &cmdDelPicLarge, &chkShowPictureLarge, &chkFrameLarge,
                  &chkResizeLarge, &cmdBackPicLarge, &cmdDelBackPicLarge, &cmdCardbackLarge,
                  &cmdDelCardbackLarge, &cmdColourLarge, &udCopyLarge, &txtInfoLarge});
    ::setTabOrder(order, captions);
}
