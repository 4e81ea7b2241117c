// A large card composed from the large-card editor's preview.
#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmLarge2nd.h"
#include "testrows.h"

#include <QBuffer>
#include <QColor>

namespace {
class ComposeLargeCard : public CardImageFixture {
protected:
    ComposeLargeCard() { openNewSet(2); }
    ~ComposeLargeCard() override { frmCard.unload(); }

    // The card shown in the editor, which composes it.
    FrmLarge2nd& shown(const FieldValues& fields) {
        insertLargeCard(1, fields);
        return frmLarge2nd.get();
    }
    static QImage card() { return frmCard->picACard.Image().image(); }
    static QColor at(int x, int y) { return QColor(card().pixel(x, y)); }

    // The ink of an area on a white card, as runs of rows with the columns they span.
    static std::vector<QRect> inkRuns(const QRect& area) {
        const QImage image = card();
        std::vector<QRect> runs;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            QRect row;
            for (int x = area.left(); x <= area.right(); ++x)
                if (QColor(image.pixel(x, y)) != QColor(Qt::white)) row |= QRect(x, y, 1, 1);
            if (row.isEmpty()) continue;
            if (!runs.empty() && runs.back().bottom() == y - 1)
                runs.back() |= row;
            else
                runs.push_back(row);
        }
        return runs;
    }
};

QByteArray twoColours(int width, int height, int firstColumns) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < firstColumns; ++x)
            image.setPixelColor(x, y, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

// Each line of the title is centred on its own; an empty line leaves a line's room.
TEST_F(ComposeLargeCard, TheTitlesLinesAreCentredOneByOne) {
    FrmLarge2nd& editor = shown({{"Title", Variant("ONE\r\n\r\nTWO WORDS")}, {"UsePicture", Variant(false)}});
    const Label& title = editor.lblTitleLarge;
    const auto lines = inkRuns(QRect(int(title.Left()), 8, int(title.Width()), 60));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_GE(lines[1].top() - lines[0].top(), 2 * lines[0].height() - 2);
    EXPECT_GT(lines[1].width(), lines[0].width());
    for (const QRect& line : lines)
        EXPECT_NEAR(line.center().x(), title.Left() + title.Width() / 2, 2);
}

TEST_F(ComposeLargeCard, ThePictureIsCutByItsOffsetAndTheCardsOwnBackgroundOnly) {
    FrmLarge2nd& editor = shown({{"Picture", Variant(twoColours(200, 100, 20))},
                                 {"PicLeft", Variant(-300)}, // 20 pixels
                                 {"BGColour", Variant(0x00FFFF)}});
    // The frame's border at (8, 8); the copy from its inner corner, 20 columns into the picture.
    EXPECT_EQ(at(8, 8), QColor(Qt::black));
    EXPECT_EQ(at(9, 9), QColor(Qt::green));
    EXPECT_EQ(at(9, 9 + 99), QColor(Qt::green));
    EXPECT_EQ(at(9, 9 + 100), QColor(Qt::white)); // the frame's white field below the picture
    EXPECT_EQ(at(200, 200), QColor(Qt::yellow));

    // A picture the card box still shows is not the card's.
    editor.picCardLarge.setPicture(loadPictureFromBytes(bmpBytes(302, 254, Qt::blue)));
    frmCard->CreateLargeCard2nd();
    EXPECT_EQ(at(200, 200), QColor(Qt::yellow));
}

TEST_F(ComposeLargeCard, TheNumberPrintsWithItsSignPlace) {
    setSetField("Autonumber", true);
    FrmLarge2nd& editor = shown({{"UsePicture", Variant(false)}});
    const Label& number = editor.lblAutonumberLarge;
    const auto ink = inkRuns(QRect(0, int(number.Top()), 20, 8));
    ASSERT_EQ(ink.size(), 1u);
    EXPECT_GT(ink[0].left(), int(number.Left()));
}
