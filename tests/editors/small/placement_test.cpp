// Placing the picture in its frame by keys and by dragging, and the frame-height handle.
#include "smallcardfixture.h"

#include "pictureplacement.h"

#include <limits>

namespace {
class Placement : public SmallCardFixture {};

using placement::Offsets;
} // namespace

TEST(PlacementArithmetic, KeysMoveThePictureWithoutBounds) {
    const placement::Size frame{139, 105};
    const placement::Size picture{60 * 15, 30 * 15};
    const Offsets start{-45, 30};
    auto moved = [&](qint16 key) { return placement::afterKey(key, start, frame, picture); };
    EXPECT_EQ(moved(33).top, 0);                         // Page Up
    EXPECT_EQ(moved(34).top, (105 - 3) * 15 - 30 * 15);  // Page Down: 3 pixels off the height
    EXPECT_EQ(moved(35).left, (139 - 1) * 15 - 60 * 15); // End: 1 pixel off the width
    EXPECT_EQ(moved(36).left, 0);
    EXPECT_EQ(moved(37).left, -60); // left past the frame's edge
    EXPECT_EQ(moved(38).top, 15);
    EXPECT_EQ(moved(39).left, -30);
    EXPECT_EQ(moved(40).top, 45);
    EXPECT_EQ(moved(78).left, -45); // any other key leaves the picture
    EXPECT_EQ(moved(78).top, 30);
    EXPECT_EQ(moved(33).left, -45);
}

TEST(PlacementArithmetic, HandleStaysWithinItsBounds) {
    EXPECT_EQ(placement::handleAfterKey(38, 60, 208), 60); // Shift+Up at the top bound
    EXPECT_EQ(placement::handleAfterKey(38, 61, 208), 60);
    EXPECT_EQ(placement::handleAfterKey(40, 208, 208), 208);
    EXPECT_EQ(placement::handleAfterKey(40, 177, 178), 178);
    EXPECT_EQ(placement::handleAfterKey(35, 70, 178), 178);
    EXPECT_EQ(placement::handleAfterKey(36, 170, 178), 60);
    EXPECT_EQ(placement::handleAfterKey(37, 100, 208), 100);

    EXPECT_EQ(placement::draggedHandle(145, 30 * 15, 1, 60, 208), 174);
    EXPECT_EQ(placement::draggedHandle(145, 500 * 15, 1, 60, 208), 208); // past the bound
    EXPECT_EQ(placement::draggedHandle(145, -500 * 15, 1, 60, 208), 60);
    EXPECT_EQ(placement::draggedHandle(100, 2.5 * 15, 0, 60, 208), 102); // halves to even
    EXPECT_EQ(placement::draggedHandle(100, 1e12, 0, 60, 208), 208);     // no overflow
}

TEST(PlacementArithmetic, DragOffsetsStayInRange) {
    EXPECT_EQ(placement::grabPoint(37.5), 38);
    EXPECT_EQ(placement::grabPoint(36.5), 36);
    EXPECT_EQ(placement::grabPoint(40000.0), 40000); // past 16 bits
    EXPECT_EQ(placement::grabPoint(1e12), std::numeric_limits<qint32>::max());
    EXPECT_EQ(placement::dragged(100, 70000, 40000), 30100);
    EXPECT_EQ(placement::storedOffset(1e300), double(std::numeric_limits<float>::max()));
    EXPECT_EQ(placement::storedOffset(-1e300), -double(std::numeric_limits<float>::max()));
}

TEST_F(Placement, KeysOnThePictureWriteTheOffsets) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"Picture", Variant(bmpBytes(60, 30))}, {"PicLeft", Variant(45)}});
    FrmCard2nd& form = frmCard2nd.get();
    QWidget* picture = form.picImage.widget();

    pressKey(picture, Qt::Key_PageDown);
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), (105 - 3) * 15 - 30 * 15);
    pressKey(picture, Qt::Key_End);
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), (139 - 1) * 15 - 60 * 15);
    EXPECT_EQ(form.picImage.Left(), (139 - 1) * 15 - 60 * 15);
    pressKey(picture, Qt::Key_PageUp);
    pressKey(picture, Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        pressKey(picture, Qt::Key_Left, Qt::KeypadModifier); // keypad arrows move too
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), -45);
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), 0);
    EXPECT_EQ(form.picImage.Left(), -45);

    pressKey(picture, Qt::Key_Up, Qt::ControlModifier); // changes nothing
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), 0);
}

TEST_F(Placement, ShiftKeysMoveTheHandleWithinItsBounds) {
    for (const int edition : {2, 3}) {
        openNewSet(qint16(edition));
        const qint32 id = insertCard(1, {{"BoldText", Variant("Bold")}});
        SmallCardEditor& form =
            edition == 2 ? static_cast<SmallCardEditor&>(frmCard2nd.get()) : frmCard3rd.get();
        QWidget* picture = form.picImage.widget();
        const double frameTop = form.picFrame.Top();
        const double highest = edition == 2 ? 208 : 178;

        pressKey(picture, Qt::Key_End, Qt::ShiftModifier);
        EXPECT_EQ(form.lblPicSize.Top(), highest);
        pressKey(picture, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(form.lblPicSize.Top(), highest);
        EXPECT_EQ(cardField(id, "PicHeight").toDouble(), highest - frameTop);
        EXPECT_EQ(form.lblBold.Top(), highest + 3);
        EXPECT_EQ(form.lblInformation.Height(), 18); // in both editions
        EXPECT_EQ(form.lblPicDim.Caption(),
                  QStringLiteral("%1W * %2H").arg(form.picFrame.Width()).arg(highest - frameTop));

        pressKey(picture, Qt::Key_Home, Qt::ShiftModifier);
        pressKey(picture, Qt::Key_Up, Qt::ShiftModifier);
        EXPECT_EQ(form.lblPicSize.Top(), 60);
        EXPECT_EQ(cardField(id, "PicHeight").toDouble(), 60 - frameTop);
        EXPECT_EQ(form.lblInformation.Top(), 63 + form.lblBold.Height());
        frmCard2nd.unload();
        frmCard3rd.unload();
    }
}

TEST_F(Placement, DraggingThePictureWithTheLeftButtonAloneMovesIt) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"Picture", Variant(bmpBytes(60, 30))}});
    FrmCard2nd& form = frmCard2nd.get();
    QWidget* picture = form.picImage.widget();

    drag(picture, {10, 10}, {14, 7});
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 4 * 15);
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), -3 * 15);
    EXPECT_EQ(form.picImage.Left(), 60);

    drag(picture, {10, 10}, {30, 30}, Qt::RightButton);
    drag(picture, {10, 10}, {30, 30}, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 4 * 15);
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), -3 * 15);
}

TEST_F(Placement, ResizedFrameFollowsTheDragAcross) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"Picture", Variant(bmpBytes(60, 30))}, {"Resize", Variant(true)}});
    FrmCard2nd& form = frmCard2nd.get();
    drag(form.picImage.widget(), {10, 10}, {20, 12});
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 150);
    EXPECT_EQ(form.picFrame.Left(), 15);
    EXPECT_EQ(form.picImage.Left(), 0);
    EXPECT_EQ(form.picImage.Top(), 30);
}

TEST_F(Placement, DraggingTheHandleStopsAtItsBounds) {
    openNewSet(2);
    const qint32 id = insertCard(1);
    FrmCard2nd& form = frmCard2nd.get();
    QWidget* handle = form.lblPicSize.widget();

    drag(handle, {20, 1}, {20, 11});
    EXPECT_EQ(form.lblPicSize.Top(), 155);
    EXPECT_EQ(cardField(id, "PicHeight").toDouble(), 115);
    EXPECT_EQ(form.picFrame.Height(), 115);
    drag(handle, {20, 1}, {20, 400});
    EXPECT_EQ(form.lblPicSize.Top(), 208);
    EXPECT_EQ(cardField(id, "PicHeight").toDouble(), 168);
    drag(handle, {20, 1}, {20, -400});
    EXPECT_EQ(form.lblPicSize.Top(), 60);
    EXPECT_EQ(cardField(id, "PicHeight").toDouble(), 20);
    drag(handle, {20, 1}, {20, 50}, Qt::RightButton);
    EXPECT_EQ(form.lblPicSize.Top(), 60);
}
