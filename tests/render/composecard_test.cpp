#include "smallcardfixture.h"

#include "frmCard.h"
#include "modData.h"

#include <QColor>

namespace {
// The cards of a set composed as the editors show them.
class ComposeCard : public SmallCardFixture {
protected:
    ~ComposeCard() override { frmCard.unload(); }

    static QImage face() { return frmCard->picACard.Picture().image(); }

    // The pixels of a face area that differ from a colour, as a box.
    static QRect inkBox(const QImage& image, const QRect& area, QColor background = Qt::white) {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.valid(x, y) && QColor(image.pixel(x, y)) != background) ink |= QRect(x, y, 1, 1);
        return ink;
    }

    static QRect labelRow(const Label& label, int rows) { return QRect(0, int(label.Top()), 150, rows); }
};
} // namespace

TEST_F(ComposeCard, SecondEditionFaceTakesThePreviewsPlaces) {
    openNewSet(2);
    setSetField(QStringLiteral("Autonumber"), true);
    insertCard(1, {{"Title", Variant(QStringLiteral("HERO"))},
                   {"Artist", Variant(QStringLiteral("Ann Artist"))},
                   {"BoldText", Variant(QStringLiteral("STRENGTH"))},
                   {"Information", Variant(QStringLiteral("Line one\r\nLine two"))},
                   {"Picture", Variant(bmpBytes(100, 80, Qt::red))}});
    FrmCard2nd& editor = frmCard2nd.get();
    const QImage image = face();
    ASSERT_EQ(image.size(), QSize(150, 254));

    // The frame's outline and the picture inside its border.
    const QRect frame(int(editor.picFrame.Left()), int(editor.picFrame.Top()), int(editor.picFrame.Width()),
                      int(editor.picFrame.Height()));
    EXPECT_EQ(QColor(image.pixel(frame.topLeft())), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(frame.bottomRight())), QColor(Qt::black));
    EXPECT_EQ(inkBox(image, frame.adjusted(1, 1, -1, -1)), QRect(frame.left() + 1, frame.top() + 1, 100, 80));
    EXPECT_EQ(QColor(image.pixel(frame.left() + 1, frame.top() + 1)), QColor(Qt::red));

    // Title, bold line and information in the rows of their labels.
    const QRect title = inkBox(image, labelRow(editor.lblTitle, 12));
    ASSERT_FALSE(title.isEmpty());
    EXPECT_NEAR(title.center().x(), editor.lblTitle.Left() + editor.lblTitle.Width() / 2, 3);
    EXPECT_FALSE(inkBox(image, labelRow(editor.lblBold, 10)).isEmpty());
    const QRect information = inkBox(image, QRect(0, int(editor.lblInformation.Top()), 150, 24));
    EXPECT_GE(information.left(), int(editor.lblInformation.Left()));
    EXPECT_GT(information.height(), 12); // two lines

    // Card number right-aligned on its label, watermark on its label.
    const QRect number = inkBox(image, labelRow(editor.lblAutonumber, 8));
    ASSERT_FALSE(number.isEmpty());
    EXPECT_LE(number.right(), editor.lblAutonumber.Left() + editor.lblAutonumber.Width());
    EXPECT_GE(number.right(), editor.lblAutonumber.Left() + editor.lblAutonumber.Width() - 2);
    const QRect watermark = inkBox(image, labelRow(editor.lblWatermark, 8));
    ASSERT_FALSE(watermark.isEmpty());
    EXPECT_EQ(QColor(image.pixel(watermark.center())).red(), QColor(image.pixel(watermark.center())).green());

    // The artist strip: 5 x 180 at (0, 40), the same as the editor's.
    EXPECT_EQ(editor.picArtistDest.Picture().image().size(), QSize(5, 180));
    EXPECT_TRUE(editor.picArtistDest.Visible());
    EXPECT_EQ(image.copy(0, 40, 5, 180),
              editor.picArtistDest.Picture().image().convertToFormat(image.format()));
    EXPECT_FALSE(inkBox(image, QRect(0, 40, 5, 180)).isEmpty());
}

TEST_F(ComposeCard, NoPictureNoFrameNoArtist) {
    openNewSet(2);
    insertCard(1, {{"UsePicture", Variant(false)}, {"Title", Variant(QStringLiteral("A"))}});
    FrmCard2nd& editor = frmCard2nd.get();
    const QImage image = face();
    const QRect frame(int(editor.picFrame.Left()), int(editor.picFrame.Top()), int(editor.picFrame.Width()),
                      int(editor.picFrame.Height()));
    EXPECT_TRUE(inkBox(image, frame).isEmpty());
    EXPECT_TRUE(inkBox(image, QRect(0, 40, 5, 180)).isEmpty());
    EXPECT_FALSE(editor.picArtistDest.Visible());
}

TEST_F(ComposeCard, ThirdEditionPrintsTheBoldTextInTheLabelsColour) {
    openNewSet(3);
    insertCard(1, {{"UsePicture", Variant(false)},
                   {"BoldText", Variant(QStringLiteral("CRAFT"))},
                   {"BGColour", Variant(0xFFFFFF)}});
    FrmCard3rd& editor = frmCard3rd.get();
    const QImage image = face();
    ASSERT_EQ(image.size(), QSize(161, 245));
    const QRect bold = inkBox(image, QRect(0, int(editor.lblBold.Top()), 161, 12));
    ASSERT_FALSE(bold.isEmpty());
    // The darkest ink of the bold line is the label's colour, &H752616.
    int darkest = 255 * 3;
    QColor ink;
    for (int y = bold.top(); y <= bold.bottom(); ++y)
        for (int x = bold.left(); x <= bold.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() + c.green() + c.blue() < darkest) {
                darkest = c.red() + c.green() + c.blue();
                ink = c;
            }
        }
    EXPECT_GT(ink.blue(), ink.red());
}
