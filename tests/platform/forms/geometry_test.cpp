// Positions and sizes: kept as set in the container's scale, shown at pixels rounded
// halves to even, and the picture box's border, AutoSize and empty picture.
#include "testform.h"

#include "forms/frame.h"
#include "forms/label.h"
#include "forms/picturebox.h"
#include "forms/textbox.h"
#include "runtime/colour.h"
#include "runtime/vberror.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
Picture solidPicture(int width, int height, Qt::GlobalColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return Picture(image);
}

// Where a control's widget shows, relative to the form.
QRect onForm(const Control& control, const TestForm& form) {
    return QRect(control.widget()->mapTo(&form, QPoint(0, 0)), control.widget()->size());
}

TEST(Geometry, ValuesReadBackAsSetWhileTheWindowIsHidden) {
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    txtTitle.setLeft(100.7);
    txtTitle.setTop(7);
    txtTitle.setWidth(1234.5);
    txtTitle.setHeight(0.1);
    txtTitle.setVisible(true);

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(txtTitle.Left(), 100.7);
    EXPECT_EQ(txtTitle.Top(), 7.0);
    EXPECT_EQ(txtTitle.Width(), 1234.5);
    EXPECT_EQ(txtTitle.Height(), 0.1);
    EXPECT_TRUE(txtTitle.Visible());

    txtTitle.setVisible(false);
    form.Show();
    EXPECT_FALSE(txtTitle.Visible());
    EXPECT_FALSE(txtTitle.widget()->isVisible());
}

TEST(Geometry, PixelScaleReadsBackExactlyAndConvertsToTwips) {
    TestForm form;
    form.setScaleMode(vbPixels);
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    txtTitle.setLeft(10.3);
    txtTitle.setWidth(0.7);
    EXPECT_EQ(txtTitle.Left(), 10.3);
    EXPECT_EQ(txtTitle.Width(), 0.7);

    // A switch of the container's scale changes the unit, not the place.
    form.setScaleMode(vbTwips);
    EXPECT_DOUBLE_EQ(txtTitle.Left(), 154.5);
    EXPECT_DOUBLE_EQ(txtTitle.Width(), 10.5);
    form.setScaleMode(vbPixels);
    EXPECT_EQ(txtTitle.Left(), 10.3);

    EXPECT_THROW(form.setScaleMode(2), VbError);
}

TEST(Geometry, DisplayPixelsRoundHalvesToEven) {
    TestForm form;
    TextBox txtTwips(form, QStringLiteral("txtTwips"));
    const std::pair<double, int> twipCases[] = {{22.5, 2}, {37.5, 2}, {52.5, 4}, {22.4, 1}, {-22.5, -2}};
    for (const auto& [twips, pixel] : twipCases) {
        txtTwips.setLeft(twips);
        EXPECT_EQ(txtTwips.widget()->x(), pixel) << twips << " twips";
    }

    PictureBox picFrame(form, QStringLiteral("picFrame"));
    picFrame.setScaleMode(vbPixels);
    TextBox txtPixels(picFrame, QStringLiteral("txtPixels"));
    const std::pair<double, int> pixelCases[] = {{10.5, 10}, {11.5, 12}, {10.5000001, 11}};
    for (const auto& [pixels, pixel] : pixelCases) {
        txtPixels.setLeft(pixels);
        EXPECT_EQ(txtPixels.widget()->x(), pixel) << pixels << " pixels";
    }
}

TEST(Geometry, NegativeSizesAreRefused) {
    TestForm form;
    Label lblTitle(form, QStringLiteral("lblTitle"));
    lblTitle.setWidth(300);
    EXPECT_THROW(lblTitle.setWidth(-1), VbError);
    EXPECT_THROW(lblTitle.setHeight(-0.5), VbError);
    EXPECT_EQ(lblTitle.Width(), 300.0);
}

TEST(Geometry, ChildrenOfAFrameArePlacedInTwipsFromItsCorner) {
    TestForm form;
    form.setScaleMode(vbPixels);
    Frame fraStyle(form, QStringLiteral("fraStyle"));
    fraStyle.setLeft(10);
    fraStyle.setTop(20);
    Label lblInside(fraStyle, QStringLiteral("lblInside"));
    lblInside.setLeft(150);
    lblInside.setTop(300);
    EXPECT_EQ(onForm(lblInside, form).topLeft(), QPoint(20, 40));
}

class PictureBoxGeometry : public ::testing::Test {
protected:
    PictureBoxGeometry() {
        form.setScaleMode(vbPixels);
        picFrame.setLeft(5);
        picFrame.setTop(5);
        picFrame.setWidth(40);
        picFrame.setHeight(30);
        picFrame.setScaleMode(vbPixels);
        lblTitle.setLeft(2);
        lblTitle.setTop(3);
        lblTitle.setWidth(10);
        lblTitle.setHeight(10);
    }

    QColor shown(int x, int y) { return picFrame.widget()->grab().toImage().pixelColor(x, y); }

    TestForm form;
    PictureBox picFrame{form, QStringLiteral("picFrame")};
    Label lblTitle{picFrame, QStringLiteral("lblTitle")};
};

TEST_F(PictureBoxGeometry, BorderMovesTheClientAreaAndChildrenInByOnePixel) {
    picFrame.setBorderStyle(vbFixedSingle);
    EXPECT_EQ(picFrame.clientArea()->geometry(), QRect(1, 1, 38, 28));
    EXPECT_EQ(onForm(lblTitle, form).topLeft(), QPoint(5 + 1 + 2, 5 + 1 + 3));
    EXPECT_EQ(shown(0, 0), QColor(Qt::black));
    EXPECT_EQ(shown(39, 29), QColor(Qt::black));

    picFrame.setBorderStyle(vbBSNone);
    EXPECT_EQ(picFrame.clientArea()->geometry(), QRect(0, 0, 40, 30));
    EXPECT_EQ(onForm(lblTitle, form).topLeft(), QPoint(5 + 2, 5 + 3));
    EXPECT_EQ(picFrame.Width(), 40.0); // the outer size stays
    EXPECT_EQ(lblTitle.Left(), 2.0);

    EXPECT_THROW(picFrame.setBorderStyle(2), VbError);
}

TEST_F(PictureBoxGeometry, AutoSizeFitsTheClientAreaToThePicture) {
    picFrame.setBorderStyle(vbBSNone);
    picFrame.setAutoSize(true);
    picFrame.setPicture(solidPicture(20, 10, Qt::red));
    EXPECT_EQ(picFrame.Width(), 20.0);
    EXPECT_EQ(picFrame.Height(), 10.0);

    form.setScaleMode(vbTwips);
    EXPECT_EQ(picFrame.Width(), 300.0);
    EXPECT_EQ(picFrame.Height(), 150.0);

    picFrame.setBorderStyle(vbFixedSingle);
    EXPECT_EQ(picFrame.Width(), 330.0);
    EXPECT_EQ(picFrame.clientArea()->size(), QSize(20, 10));
}

TEST_F(PictureBoxGeometry, EmptyPictureLeavesNothingOfThePreviousOne) {
    picFrame.setBorderStyle(vbFixedSingle);
    picFrame.setBackColor(RGB(0, 0, 255));
    picFrame.setPicture(solidPicture(40, 40, Qt::red));
    EXPECT_EQ(shown(1, 1), QColor(Qt::red));

    picFrame.setPicture(Picture());
    EXPECT_TRUE(picFrame.Picture().isNull());
    EXPECT_EQ(shown(1, 1), QColor(Qt::blue));
    EXPECT_EQ(picFrame.Width(), 40.0); // without AutoSize the size is the box's own

    picFrame.setAutoSize(true);
    picFrame.setPicture(solidPicture(20, 10, Qt::red));
    picFrame.setPicture(Picture());
    EXPECT_EQ(picFrame.Width(), 2.0); // the border only
    EXPECT_EQ(picFrame.Height(), 2.0);
}

TEST(FormGeometry, ReadsBackAsSetAndFollowsTheUser) {
    TestForm form;
    form.setLeft(150);
    form.setTop(300);
    form.setWidth(3007.5); // 200.5 pixels
    form.setHeight(1500);
    form.Show();
    EXPECT_EQ(form.width(), 200);
    EXPECT_EQ(form.Width(), 3007.5);
    EXPECT_EQ(form.Left(), 150.0);

    form.resize(300, 120); // as the user's dragging does
    EXPECT_EQ(form.Width(), 4500.0);
    EXPECT_EQ(form.Height(), 1800.0);
    EXPECT_EQ(form.Left(), 150.0);
}
} // namespace
