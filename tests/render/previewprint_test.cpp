// What the editors' previews show where no text stands is what the written card shows: the
// picture frames without a picture, the handles beside them, the character template and the
// playing piece's ground.
#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"

#include <QColor>
#include <QWidget>
#include <vector>

namespace {
// The preview as the screen shows it inside the box's border.
QImage shown(const PictureBox& box) {
    const QImage image = box.widget()->grab().toImage();
    const int border = box.BorderStyle() == vbFixedSingle ? 1 : 0;
    return image.copy(image.rect().adjusted(border, border, -border, -border));
}

// A preview and the card composed from it, compared at places of the card.
struct Compared {
    const char* what;
    QImage preview;
    QImage print;
    std::vector<QPoint> places;
};

class PreviewIsPrint : public CardImageFixture {
protected:
    ~PreviewIsPrint() override { frmCard.unload(); }

    static QPoint frameCentre(const PictureBox& frame, QPoint origin = {}) {
        return origin + QPoint(int(frame.Left() + frame.Width() / 2), int(frame.Top() + frame.Height() / 2));
    }

    // An empty frame with its border and the height handle below it.
    std::vector<Compared> smallCard(qint16 edition) {
        openNewSet(edition);
        insertCard(1, {{"UsePicture", Variant(true)}, {"UseFrame", Variant(true)}});
        const SmallCardWindow& editor = edition == 2 ? static_cast<SmallCardWindow&>(frmCard2nd.get())
                                                     : static_cast<SmallCardWindow&>(frmCard3rd.get());
        const QPoint handle(frameCentre(editor.picFrame).x(), int(editor.lblPicSize.Top()) + 1);
        return {{edition == 2 ? "2nd edition" : "3rd edition",
                 shown(editor.picCard),
                 frmCard->picACard.Picture().image(),
                 {frameCentre(editor.picFrame), handle}}};
    }

    // No background and no pictures: the template, an empty frame with the width handle
    // beside it, and the piece without its picture.
    std::vector<Compared> character() {
        openNewSet(2);
        insertCharacter(1, {{"UsePicture", Variant(true)}, {"UseFrame", Variant(true)}});
        const FrmCharacter2nd& editor = frmCharacter2nd.get();
        frmCard->CreateCharacter2nd();
        const QPoint box(int(editor.picBackgroundChar.Left()), int(editor.picBackgroundChar.Top()));
        const QPoint frame = frameCentre(editor.picFrameCharacter, box);
        const QPoint handle(box.x() + int(editor.lblPicSizeCharacter.Left()) + 2, frame.y());
        const QPoint underText = box + QPoint(200, 200);
        const QPoint band(150, 247); // between OBJECTS and FOLLOWERS
        return {{"character",
                 shown(editor.picCharacter),
                 frmCard->picACard.Image().image(),
                 {frame, handle, underText, band, {2, 2}}},
                {"playing piece",
                 shown(editor.picPlayingPiece),
                 frmCard->picACardPP.Image().image(),
                 {{3, 3}, {12, 16}, frameCentre(editor.picPlayingPieceFrame)}}};
    }

    std::vector<Compared> largeCard() {
        openNewSet(2);
        insertLargeCard(1, {{"UsePicture", Variant(true)}, {"UseFrame", Variant(true)}});
        const FrmLarge2nd& editor = frmLarge2nd.get();
        const QPoint frame = frameCentre(editor.picFrameLarge);
        const QPoint handle(int(editor.lblPicSizeLarge.Left()) + 2, frame.y());
        return {
            {"large card", shown(editor.picCardLarge), frmCard->picACard.Image().image(), {frame, handle}}};
    }
};
} // namespace

TEST_F(PreviewIsPrint, WhereNoTextStandsThePreviewShowsTheWrittenCard) {
    std::vector<Compared> all = smallCard(2);
    for (std::vector<Compared> more : {smallCard(3), character(), largeCard()})
        all.insert(all.end(), more.begin(), more.end());
    for (const Compared& c : all)
        for (const QPoint& place : c.places)
            EXPECT_EQ(c.preview.pixelColor(place).name().toStdString(),
                      c.print.pixelColor(place).name().toStdString())
                << c.what << " at " << place.x() << "," << place.y();
}
