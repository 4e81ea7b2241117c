#include "largecardplacement.h"
#include "pictureplacement.h"
#include "storedvalues.h"

namespace {
constexpr qint16 kNoModifier = 0;
// The handle's Left: the frame at 8 is then 22 to 172 pixels wide.
constexpr double kHandleLowest = 30;
constexpr double kHandleHighest = 180;
} // namespace

LargeCardPlacement::LargeCardPlacement() {
    chkShowPictureLarge.Click = [this] { chkShowPictureLarge_Click(); };
    chkFrameLarge.Click = [this] { chkFrameLarge_Click(); };
    chkResizeLarge.Click = [this] { chkResizeLarge_Click(); };
    picImageLarge.widget()->setFocusPolicy(Qt::StrongFocus);
    picImageLarge.KeyDown = [this](qint16& KeyCode, qint16 Shift) { picImageLarge_KeyDown(KeyCode, Shift); };
    picImageLarge.MouseDown = [this](qint16 Button, qint16 Shift, double X, double Y) {
        picImageLarge_MouseDown(Button, Shift, X, Y);
    };
    picImageLarge.MouseMove = [this](qint16 Button, qint16 Shift, double X, double Y) {
        picImageLarge_MouseMove(Button, Shift, X, Y);
    };
    lblPicSizeLarge.MouseDown = [this](qint16 Button, qint16 Shift, double X, double Y) {
        lblPicSizeLarge_MouseDown(Button, Shift, X, Y);
    };
    lblPicSizeLarge.MouseMove = [this](qint16 Button, qint16 Shift, double X, double Y) {
        lblPicSizeLarge_MouseMove(Button, Shift, X, Y);
    };
}

// A card being shown writes nothing, but the frame and its handle follow the options.
void LargeCardPlacement::chkShowPictureLarge_Click() {
    const bool show = chkShowPictureLarge.Value() == vbChecked;
    if (!bLoading) writeCardField(QStringLiteral("UsePicture"), Variant(show));
    picFrameLarge.setVisible(show);
    lblPicSizeLarge.setVisible(show);
    placeHandle(show);
}

void LargeCardPlacement::chkFrameLarge_Click() {
    const bool frame = chkFrameLarge.Value() == vbChecked;
    if (!bLoading) writeCardField(QStringLiteral("UseFrame"), Variant(frame));
    picFrameLarge.setBorderStyle(frame ? vbFixedSingle : vbBSNone);
}

// The card being shown has just been laid out with it.
void LargeCardPlacement::chkResizeLarge_Click() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Resize"), Variant(chkResizeLarge.Value() == vbChecked));
    DrawLargeCard();
}

// Any key without modifier places the picture again and updates the card, whatever it
// changed; with Shift, Ctrl or Alt nothing happens.
void LargeCardPlacement::picImageLarge_KeyDown(qint16& KeyCode, qint16 Shift) {
    const qint16 key = KeyCode;
    if (placement::isPlacementKey(key)) KeyCode = 0;
    if (Shift != kNoModifier) return;
    editShownCard([&](Recordset& card) {
        const placement::Offsets moved = placement::afterKey(
            key,
            {stored::offset(card, QStringLiteral("PicLeft"), picImageLarge.Width(), picCardLarge.Width()),
             stored::offset(card, QStringLiteral("PicTop"), picImageLarge.Height(), picCardLarge.Height())},
            {picFrameLarge.Width(), picFrameLarge.Height()}, {picImageLarge.Width(), picImageLarge.Height()});
        card.field(QStringLiteral("PicLeft")) = placement::within16Bits(moved.left);
        card.field(QStringLiteral("PicTop")) = placement::within16Bits(moved.top);
    });
    PositionLargePicture();
}

void LargeCardPlacement::picImageLarge_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    m_dragX = placement::grabPoint(X);
    m_dragY = placement::grabPoint(Y);
}

// The grabbed spot stays under the pointer: its travel since the press is how far the
// picture goes.
void LargeCardPlacement::picImageLarge_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    if (Button != vbLeftButton) return;
    editShownCard([&](Recordset& card) {
        card.field(QStringLiteral("PicLeft")) = placement::within16Bits(placement::dragged(
            stored::offset(card, QStringLiteral("PicLeft"), picImageLarge.Width(), picCardLarge.Width()), X,
            m_dragX));
        card.field(QStringLiteral("PicTop")) = placement::within16Bits(placement::dragged(
            stored::offset(card, QStringLiteral("PicTop"), picImageLarge.Height(), picCardLarge.Height()), Y,
            m_dragY));
    });
    PositionLargePicture();
}

void LargeCardPlacement::lblPicSizeLarge_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    m_handleX = placement::grabPoint(X / twipsPerPixel);
}

void LargeCardPlacement::lblPicSizeLarge_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    if (Button != vbLeftButton) return;
    const double handleLeft =
        placement::draggedHandle(lblPicSizeLarge.Left(), X, m_handleX, kHandleLowest, kHandleHighest);
    // Stored first, so that a refused write leaves the preview as the card is.
    writeCardField(QStringLiteral("PicWidth"), handleLeft - picFrameLarge.Left());
    lblPicSizeLarge.setLeft(handleLeft);
    picFrameLarge.setWidth(handleLeft - picFrameLarge.Left());
    layOutTextColumn();
    showFrameSize();
}

void LargeCardPlacement::PositionLargePicture() {
    Recordset& card = shownCard();
    showFrame(card);
    lblPicSizeLarge.setLeft(picFrameLarge.Left() + picFrameLarge.Width());
    picImageLarge.Refresh();
    placeFrameAndPicture(card);
}
