// Placing the character picture and the playing piece in their frames by keys and by
// dragging, and setting the card frame's width with its handle.
#include "characterfixture.h"

#include "modData.h"

namespace {
struct Placed {
    const char* leftField;
    const char* topField;
    PictureBox FrmCharacter2nd::*picture;
    double frameWidth; // pixels
    double frameHeight;
};

// The card's frame without border (220 high); the piece's frame is fixed.
const Placed kPictures[] = {
    {"PicLeft", "PicTop", &FrmCharacter2nd::picImageCharacter, 121, 220},
    {"PPLeft", "PPTop", &FrmCharacter2nd::picPlayingPieceImage, 132, 222},
};

class PicturePlacement : public CharacterFixture {
protected:
    // A character of a new open set with both pictures 100 pixels square, placed off their
    // corners, and a second character after it.
    qint32 insertPlacedCharacter(const FieldValues& changed = {}) {
        addOpenSet(2);
        const QByteArray picture = bmpBytes(100, 100);
        FieldValues fields = {{"Picture", Variant(picture)}, {"PlayingPiece", Variant(picture)},
                              {"UseFrame", Variant(false)},  {"PicLeft", Variant(-45)},
                              {"PicTop", Variant(30)},       {"PPLeft", Variant(-45)},
                              {"PPTop", Variant(30)}};
        for (const auto& [field, value] : changed)
            fields[field] = value;
        const qint32 id = insertCharacter(1, fields);
        insertCharacter(2);
        return id;
    }
    std::pair<double, double> offsets(qint32 id, const Placed& p) const {
        return {characterField(id, p.leftField).toDouble(), characterField(id, p.topField).toDouble()};
    }
};
} // namespace

TEST_F(PicturePlacement, KeysPlaceEitherPictureInTheShownCharacter) {
    const qint32 id = insertPlacedCharacter();
    FrmCharacter2nd& form = editor();
    int writes = 0;
    cnData->setWriteObserver([&](auto, const QString&, qint64, const QStringList&) { ++writes; });
    for (const Placed& p : kPictures) {
        SCOPED_TRACE(p.leftField);
        PictureBox& picture = form.*p.picture;
        const struct {
            int key;
            double left;
            double top;
        } steps[] = {
            {Qt::Key_PageDown, -45, (p.frameHeight - 3) * 15 - 1500}, // 3 pixels above the bottom
            {Qt::Key_End, (p.frameWidth - 1) * 15 - 1500, (p.frameHeight - 3) * 15 - 1500},
            {Qt::Key_PageUp, (p.frameWidth - 1) * 15 - 1500, 0},
            {Qt::Key_Home, 0, 0},
            {Qt::Key_Right, 15, 0},
            {Qt::Key_Down, 15, 15},
            {Qt::Key_Left, 0, 15},
            {Qt::Key_Up, 0, 0},
        };
        for (const auto& step : steps) {
            rsCharacter->moveLast(); // the batch may have moved the shared recordset
            pressKey(picture.widget(), step.key);
            EXPECT_EQ(offsets(id, p), std::make_pair(step.left, step.top)) << step.key;
            EXPECT_EQ(picture.Left(), step.left);
            EXPECT_EQ(picture.Top(), step.top);
        }
        writes = 0;
        pressKey(picture.widget(), Qt::Key_N); // no change, but the row is updated
        EXPECT_EQ(writes, 1);
        picture.setLeft(999);
        pressKey(picture.widget(), Qt::Key_Right, Qt::ShiftModifier); // written nowhere, placed again
        EXPECT_EQ(writes, 1);
        EXPECT_EQ(offsets(id, p), std::make_pair(0.0, 0.0));
        EXPECT_EQ(picture.Left(), 0);
    }
    EXPECT_EQ(characterField(id + 1, "PicLeft").toDouble(), 0);

    // Only the character picture lays its frame, handle and column out again, with its caption.
    form.picFrameCharacter.setWidth(50);
    form.lblPicDimChar.setCaption(QString());
    pressKey(form.picImageCharacter.widget(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(form.picFrameCharacter.Width(), 121);
    EXPECT_EQ(form.lblPicSizeCharacter.Left(), 122);
    EXPECT_EQ(form.lblSpecial.Left(), 128);
    EXPECT_EQ(form.lblPicDimChar.Caption(), "(121W*220H)");
}

TEST_F(PicturePlacement, TheHandleSetsAndStoresTheFrameWidthWithinItsBounds) {
    const qint32 id = insertPlacedCharacter({{"UseFrame", Variant(true)}});
    FrmCharacter2nd& form = editor();
    QWidget* handle = form.lblPicSizeCharacter.widget();
    const struct {
        double to; // pixels of the handle
        double handleLeft;
        double frameWidth;
        double columnLeft;
        double specialWidth;
    } drags[] = {{-500, 15, 14, 21, 251}, {10, 23, 22, 29, 243}, {500, 154, 153, 160, 112}};
    for (const auto& d : drags) {
        SCOPED_TRACE(d.to);
        drag(handle, {2, 10}, {d.to, 10});
        EXPECT_EQ(form.lblPicSizeCharacter.Left(), d.handleLeft);
        EXPECT_EQ(form.picFrameCharacter.Width(), d.frameWidth);
        EXPECT_EQ(characterField(id, "PicWidth").toDouble(), d.frameWidth); // stored at once
        EXPECT_EQ(form.lblSpecial.Left(), d.columnLeft);
        EXPECT_EQ(form.lblAlignment.Left(), d.columnLeft + 65);
        EXPECT_EQ(form.lblSpecial.Width(), d.specialWidth);
        EXPECT_EQ(form.lblPicDimChar.Caption(), QStringLiteral("(%1W*218H)").arg(d.frameWidth));
    }
    drag(handle, {2, 10}, {-500, 10}, Qt::RightButton);
    EXPECT_EQ(form.lblPicSizeCharacter.Left(), 154);
    EXPECT_EQ(characterField(id, "PicWidth").toDouble(), 153);
}

TEST_F(PicturePlacement, DraggingWithTheLeftButtonAloneMovesEitherPicture) {
    const qint32 id = insertPlacedCharacter();
    FrmCharacter2nd& form = editor();
    for (const Placed& p : kPictures) {
        SCOPED_TRACE(p.leftField);
        QWidget* picture = (form.*p.picture).widget();
        drag(picture, {10, 10}, {14, 7});
        EXPECT_EQ(offsets(id, p), std::make_pair(-45.0 + 60, 30.0 - 45));
        EXPECT_EQ((form.*p.picture).Left(), 15);
        drag(picture, {10, 10}, {30, 30}, Qt::RightButton);
        drag(picture, {10, 10}, {30, 30}, Qt::LeftButton | Qt::RightButton);
        EXPECT_EQ(offsets(id, p), std::make_pair(15.0, -15.0));
    }
}

TEST_F(PicturePlacement, AnOffsetDraggedPastItsColumnsRangeIsStoredAtTheBound) {
    const qint32 id = insertPlacedCharacter({{"PicLeft", Variant(32000)}, {"PicTop", Variant(-32000)}});
    FrmCharacter2nd& form = editor();
    drag(form.picImageCharacter.widget(), {0, 0}, {100, -3000});
    EXPECT_EQ(offsets(id, kPictures[0]), std::make_pair(32767.0, -32768.0));
    EXPECT_EQ(messageCount(), 0);
}
