#include "smallcardplacement.h"
#include "pictureplacement.h"
#include "storedvalues.h"

namespace {
constexpr qint16 kNoModifier = 0;
constexpr qint16 kShiftAlone = 1;
} // namespace

SmallCardPlacement::SmallCardPlacement(const SmallCardLayout& layout) : SmallCardFieldEdits(layout) {
    picImage.widget()->setFocusPolicy(Qt::StrongFocus);
    picImage.MouseDown = [this](qint16 Button, qint16 Shift, double X, double Y) {
        picImage_MouseDown(Button, Shift, X, Y);
    };
    picImage.MouseMove = [this](qint16 Button, qint16 Shift, double X, double Y) {
        picImage_MouseMove(Button, Shift, X, Y);
    };
    picImage.KeyDown = [this](qint16& KeyCode, qint16 Shift) { picImage_KeyDown(KeyCode, Shift); };
    lblPicSize.MouseDown = [this](qint16 Button, qint16 Shift, double X, double Y) {
        lblPicSize_MouseDown(Button, Shift, X, Y);
    };
    lblPicSize.MouseMove = [this](qint16 Button, qint16 Shift, double X, double Y) {
        lblPicSize_MouseMove(Button, Shift, X, Y);
    };
}

void SmallCardPlacement::picImage_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    m_grabX = placement::grabPoint(X);
    m_grabY = placement::grabPoint(Y);
}

// The pointer stays where it took the picture: its travel since the last move is how far
// the picture goes.
void SmallCardPlacement::picImage_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    if (Button != vbLeftButton) return;
    editShownCard([&](Recordset& card) {
        card.field(QStringLiteral("PicLeft")) = placement::dragged(
            stored::offset(card, QStringLiteral("PicLeft"), picImage.Width(), layout().card.width), X,
            m_grabX);
        card.field(QStringLiteral("PicTop")) = placement::dragged(
            stored::offset(card, QStringLiteral("PicTop"), picImage.Height(), layout().card.height), Y,
            m_grabY);
    });
    PlacePicture();
}

// Any key places the picture again and updates the card, whatever it changed.
void SmallCardPlacement::picImage_KeyDown(qint16& KeyCode, qint16 Shift) {
    const qint16 key = KeyCode;
    // The keys the picture uses go no further (no scrolling).
    if (placement::isPlacementKey(key)) KeyCode = 0;
    editShownCard([&](Recordset& card) {
        if (Shift == kNoModifier) {
            const placement::Offsets moved = placement::afterKey(
                key,
                {stored::offset(card, QStringLiteral("PicLeft"), picImage.Width(), layout().card.width),
                 stored::offset(card, QStringLiteral("PicTop"), picImage.Height(), layout().card.height)},
                {picFrame.Width(), picFrame.Height()}, {picImage.Width(), picImage.Height()});
            card.field(QStringLiteral("PicLeft")) = placement::storedOffset(moved.left);
            card.field(QStringLiteral("PicTop")) = placement::storedOffset(moved.top);
        } else if (Shift == kShiftAlone) {
            lblPicSize.setTop(placement::handleAfterKey(key, lblPicSize.Top(), layout().handleHighest));
            relayOutHandle();
            card.field(QStringLiteral("PicHeight")) = picFrame.Height();
        }
    });
    PlacePicture();
}

void SmallCardPlacement::lblPicSize_MouseDown(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    m_handleGrab = placement::grabPoint(Y / twipsPerPixel);
}

void SmallCardPlacement::lblPicSize_MouseMove(qint16 Button, qint16 Shift, double X, double Y) {
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    if (Button != vbLeftButton) return;
    lblPicSize.setTop(placement::draggedHandle(lblPicSize.Top(), Y, m_handleGrab, placement::kHandleLowest,
                                               layout().handleHighest));
    relayOutHandle();
    writeCardField(QStringLiteral("PicHeight"), picFrame.Height());
}

void SmallCardPlacement::relayOutHandle() {
    picFrame.setHeight(lblPicSize.Top() - picFrame.Top());
    lblBold.setTop(lblPicSize.Top() + 3);
    placeInformation();
    showFrameSize();
}

void SmallCardPlacement::PlacePicture() {
    Recordset& card = shownCard();
    picFrame.setVisible(stored::flag(card, QStringLiteral("UsePicture")));
    picFrame.setBorderStyle(stored::flag(card, QStringLiteral("UseFrame")) ? vbFixedSingle : vbBSNone);
    picFrame.setHeight(storedFrameHeight(card));
    lblPicSize.setTop(picFrame.Top() + picFrame.Height());
    picImage.Refresh();
    placeFrame(card);
}
