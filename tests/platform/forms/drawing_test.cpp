#include "forms/picturebox.h"
#include "runtime/colour.h"
#include "testform.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {
constexpr qint32 red = 0x0000FF;
constexpr qint32 blue = 0xFF0000;

// A borderless 20 x 10 box in pixels on a hidden window, white.
class Drawing : public ::testing::Test {
protected:
    Drawing() : box(form, QStringLiteral("picTest")) {
        form.setScaleMode(vbPixels);
        box.setBorderStyle(vbBSNone);
        box.setScaleMode(vbPixels);
        box.setWidth(20);
        box.setHeight(10);
        box.setBackColor(vbWhite);
    }

    // The pixels that are not the back colour, as a box.
    QRect inkBox() const {
        QRect ink;
        const QImage image = box.Image().image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (box.Point(x, y) != vbWhite) ink |= QRect(x, y, 1, 1);
        return ink;
    }

    TestForm form;
    PictureBox box;
};

QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
} // namespace

TEST_F(Drawing, IsKeptWhileTheWindowIsHidden) {
    ASSERT_FALSE(form.isVisible());
    EXPECT_EQ(box.Image().width(), 20);
    EXPECT_EQ(box.Image().height(), 10);
    box.PSet(3, 4, red);
    EXPECT_EQ(box.Point(3, 4), red);
    EXPECT_EQ(box.Point(4, 4), vbWhite);
    EXPECT_EQ(box.Point(20, 0), -1);
    EXPECT_EQ(box.Point(-1, 0), -1);
    box.PSet(25, 4, red); // outside: nothing happens
    EXPECT_EQ(inkBox(), QRect(3, 4, 1, 1));
}

TEST_F(Drawing, BoxesIncludeBothCorners) {
    box.Line(8, 6, 2, 1, red, LineShape::Box);
    EXPECT_EQ(inkBox(), QRect(QPoint(2, 1), QPoint(8, 6)));
    EXPECT_EQ(box.Point(5, 3), vbWhite); // an outline only
    box.Line(3, 2, 4, 3, blue, LineShape::FilledBox);
    for (int x : {3, 4})
        for (int y : {2, 3})
            EXPECT_EQ(box.Point(x, y), blue);
    EXPECT_EQ(box.Point(5, 3), vbWhite);
}

TEST_F(Drawing, BoxesPastTheEdgeKeepTheirPartInside) {
    box.Line(15, 5, 30, 20, red, LineShape::Box);
    EXPECT_EQ(inkBox(), QRect(QPoint(15, 5), QPoint(19, 9)));
    EXPECT_EQ(box.Point(16, 6), vbWhite); // the right and bottom sides are outside
    EXPECT_EQ(box.Point(19, 5), red);
    EXPECT_EQ(box.Point(15, 9), red);
    box.Cls();
    box.Line(-5, -5, 2, 2, blue, LineShape::FilledBox);
    EXPECT_EQ(inkBox(), QRect(QPoint(0, 0), QPoint(2, 2)));
    box.Cls();
    box.Line(21, 0, 30, 5, blue, LineShape::FilledBox);
    EXPECT_TRUE(inkBox().isNull());
}

TEST_F(Drawing, ALineLeavesOutItsLastPoint) {
    box.Line(1, 2, 5, 2, red);
    EXPECT_EQ(inkBox(), QRect(1, 2, 4, 1));
    EXPECT_EQ(box.CurrentX(), 5);
    EXPECT_EQ(box.CurrentY(), 2);
}

TEST_F(Drawing, BackColourPictureAndClsStartTheDrawingAfresh) {
    box.PSet(1, 1, red);
    box.setBackColor(vbWhite); // the same colour still erases
    EXPECT_EQ(box.Point(1, 1), vbWhite);
    box.setPicture(Picture(filled(2, 2, Qt::blue)));
    EXPECT_EQ(box.Point(1, 1), blue);
    EXPECT_EQ(box.Point(2, 2), vbWhite);
    box.PSet(5, 5, red);
    box.setCurrentY(7);
    box.Cls();
    EXPECT_EQ(box.Point(5, 5), vbWhite);
    EXPECT_EQ(box.Point(0, 0), blue); // the picture stays under the drawing
    EXPECT_EQ(box.CurrentY(), 0);
}

TEST_F(Drawing, ImageBecomesThePicture) {
    box.PSet(2, 3, red);
    box.setPicture(box.Image());
    box.setBackColor(blue);
    EXPECT_EQ(box.Point(2, 3), red);
    EXPECT_EQ(box.Point(0, 0), vbWhite);
}

TEST_F(Drawing, DrawingOnAPictureOfTheBoxSizeLeavesThePictureAlone) {
    QImage exact = filled(20, 10, Qt::blue);
    exact.setDotsPerMeterX(3780);
    exact.setDotsPerMeterY(3780);
    const Picture picture(exact);
    box.setPicture(picture);
    box.PSet(2, 3, red);
    EXPECT_EQ(box.Point(2, 3), red);
    EXPECT_EQ(box.Point(0, 0), blue);
    EXPECT_EQ(picture.image().pixel(2, 3), QColor(Qt::blue).rgb());
    EXPECT_EQ(box.Picture().image().pixel(2, 3), QColor(Qt::blue).rgb());
    box.Cls();
    EXPECT_EQ(box.Point(2, 3), blue);
}

TEST_F(Drawing, AutoSizeFitsTheBoxAndShowsThePictureOnce) {
    box.setAutoSize(true);
    box.setPicture(Picture(filled(6, 4, Qt::red)));
    EXPECT_EQ(box.Image().image().size(), QSize(6, 4));
    EXPECT_EQ(inkBox(), QRect(0, 0, 6, 4));
    box.setPicture(Picture(filled(3, 2, Qt::blue)));
    EXPECT_EQ(box.Image().image().size(), QSize(3, 2));
    EXPECT_EQ(box.Point(2, 1), blue);
}

TEST_F(Drawing, PaintPictureStretchesAndCutsItsSource) {
    QImage source = filled(2, 2, Qt::red);
    source.setPixel(1, 1, qRgb(0, 0, 255));
    box.PaintPicture(Picture(source), 4, 2, 4.0, 4.0);
    EXPECT_EQ(inkBox(), QRect(4, 2, 4, 4));
    EXPECT_EQ(box.Point(5, 3), red);
    EXPECT_EQ(box.Point(6, 4), blue);
    EXPECT_EQ(box.Point(7, 5), blue);

    box.Cls();
    // A source reaching past the picture copies only what the picture holds.
    box.PaintPicture(Picture(source), 0, 0, {}, {}, PictureBox::SourceRect{1, 1, 5, 5});
    EXPECT_EQ(inkBox(), QRect(0, 0, 1, 1));
    EXPECT_EQ(box.Point(0, 0), blue);
}

// Pictures at their own size, opaque or not, in or past the edges: the pixels a painter gives.
TEST_F(Drawing, PaintPictureAtItsSizeGivesThePaintersPixels) {
    QImage opaque(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            opaque.setPixel(x, y, qRgb(30 * x, 40 * y, 200));
    QImage translucent = opaque.convertToFormat(QImage::Format_ARGB32);
    translucent.setPixel(2, 2, qRgba(255, 0, 0, 100));
    for (const QImage& picture : {opaque, translucent}) {
        for (const QPoint at : {QPoint(3, 2), QPoint(-2, -3), QPoint(16, 8), QPoint(25, 0)}) {
            box.Cls();
            box.PaintPicture(Picture(picture), at.x(), at.y(), {}, {}, PictureBox::SourceRect{1, 0, 6, 5});
            QImage expected(20, 10, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter(&expected).drawImage(at, picture, QRect(1, 0, 6, 5));
            EXPECT_EQ(box.Image().image(), expected) << at.x() << "," << at.y() << " " << picture.format();
        }
    }
}

TEST_F(Drawing, PrintEachPrintsAsPrintDoes) {
    box.setFont({QStringLiteral("Small Fonts"), 6, false, false});
    box.setForeColor(red);
    const std::vector<PlacedText> texts{{QStringLiteral("Ab"), 1, 0}, {QStringLiteral("cd"), 7.5, 3}};
    for (const auto& placed : texts) {
        box.setCurrentX(placed.x);
        box.setCurrentY(placed.y);
        box.Print(placed.text);
    }
    const QImage printed = box.Image().image();
    const double nextY = box.CurrentY();
    box.Cls();
    box.PrintEach(texts);
    EXPECT_EQ(box.Image().image(), printed);
    EXPECT_EQ(box.CurrentX(), 0);
    EXPECT_EQ(box.CurrentY(), nextY);
}

TEST_F(Drawing, PrintMovesToTheNextLine) {
    box.setFont({QStringLiteral("Small Fonts"), 6, false, false});
    box.setForeColor(vbBlack);
    const double height = box.TextHeight(QStringLiteral("M"));
    EXPECT_GT(height, 6);
    box.setCurrentX(3);
    box.setCurrentY(-1);
    box.Print(QStringLiteral("M"));
    EXPECT_EQ(box.CurrentX(), 0);
    EXPECT_EQ(box.CurrentY(), height - 1);
    const QRect ink = inkBox();
    EXPECT_GE(ink.left(), 3);
    EXPECT_LE(ink.right(), 3 + box.TextWidth(QStringLiteral("M")));
    EXPECT_LT(ink.bottom(), height - 1);
}

TEST_F(Drawing, TwipsScaleMeasuresAndPlacesInTwips) {
    box.setFont({QStringLiteral("Small Fonts"), 6, false, false});
    const double pixels = box.TextWidth(QStringLiteral("AB"));
    box.setScaleMode(vbTwips);
    EXPECT_EQ(box.TextWidth(QStringLiteral("AB")), pixels * 15);
    box.PSet(45, 30, red);
    box.setScaleMode(vbPixels);
    EXPECT_EQ(box.Point(3, 2), red);
}

TEST_F(Drawing, RulerStandsWhereTextIsMeasured) {
    const QString text = QStringLiteral("Strength and honour");
    for (const Font& font : {Font{QStringLiteral("Small Fonts"), 6, false, false},
                             Font{QStringLiteral("Times New Roman"), 12, true, false}}) {
        SCOPED_TRACE(font.Name.toStdString());
        box.setFont(font);
        const TextRuler ruler = box.Ruler(text);
        EXPECT_EQ(ruler.x(0), 0);
        EXPECT_EQ(ruler.x(text.size()), box.TextWidth(text));
        for (qsizetype n = 1; n <= text.size(); ++n)
            EXPECT_GE(ruler.x(n), ruler.x(n - 1)) << n;
    }
}

TEST_F(Drawing, RulerFindsEachBoundaryInEitherScale) {
    const QString text = QStringLiteral("abcdefgh"); // every character has a width
    box.setFont({QStringLiteral("Times New Roman"), 12, false, false});
    const TextRuler pixels = box.Ruler(text);
    box.setScaleMode(vbTwips);
    const TextRuler twips = box.Ruler(text);
    for (qsizetype n = 0; n <= text.size(); ++n) {
        EXPECT_EQ(twips.x(n), pixels.x(n) * 15) << n;
        EXPECT_EQ(pixels.boundaryNear(pixels.x(n)), n);
        EXPECT_EQ(twips.boundaryNear(twips.x(n)), n);
    }
    EXPECT_EQ(twips.boundaryNear(-100), 0);
    EXPECT_EQ(twips.boundaryNear(twips.x(text.size()) + 1000), text.size());
}
