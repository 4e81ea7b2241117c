#include "modRotatePic.h"

#include "forms/form.h"
#include "forms/picturebox.h"

#include <gtest/gtest.h>

namespace {
class Rotation : public ::testing::Test {
protected:
    Rotation()
        : form(QStringLiteral("frmTest")), src(form, QStringLiteral("picSrc")),
          dst(form, QStringLiteral("picDst")) {
        form.setScaleMode(vbPixels);
        for (PictureBox* box : {&src, &dst}) {
            box->setBorderStyle(vbBSNone);
            box->setScaleMode(vbPixels);
            box->setBackColor(0xFFFFFF);
        }
        src.setWidth(180);
        src.setHeight(5);
        dst.setWidth(30);
        dst.setHeight(30);
        src.PSet(0, 0, topLeft);
        src.PSet(179, 4, bottomRight);
        src.PSet(10, 1, other);
    }

    static constexpr qint32 topLeft = 0x0000FF, bottomRight = 0xFF0000, other = 0x00FF00;
    Form form;
    PictureBox src, dst;
};
} // namespace

TEST_F(Rotation, ClockwiseTurnsTheStripUpright) {
    RotatePicture(src, dst, true);
    EXPECT_EQ(dst.Width(), 5);
    EXPECT_EQ(dst.Height(), 180);
    EXPECT_EQ(dst.Point(4, 0), topLeft);
    EXPECT_EQ(dst.Point(0, 179), bottomRight);
    EXPECT_EQ(dst.Point(3, 10), other);
    EXPECT_EQ(dst.Picture().width(), 5); // the drawing became the picture
}

TEST_F(Rotation, AnticlockwiseTurnsTheOtherWay) {
    RotatePicture(src, dst, false);
    EXPECT_EQ(dst.Width(), 5);
    EXPECT_EQ(dst.Height(), 180);
    EXPECT_EQ(dst.Point(0, 179), topLeft);
    EXPECT_EQ(dst.Point(4, 0), bottomRight);
    EXPECT_EQ(dst.Point(1, 169), other);
}

TEST_F(Rotation, TwoOppositeTurnsGiveTheSourceBack) {
    PictureBox back(form, QStringLiteral("picBack"));
    back.setBorderStyle(vbBSNone);
    RotatePicture(src, dst, false);
    RotatePicture(dst, back, true);
    EXPECT_EQ(back.Image().image(), src.Image().image());
}
