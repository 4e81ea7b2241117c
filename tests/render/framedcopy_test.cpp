#include "framedcopy.h"

#include <gtest/gtest.h>

namespace {
// A frame at (15, 32), 131 x 105, with its border shown.
const FrameGeometry kFrame{15, 32, 131, 105, 1};

PictureCopy copy(QRect source, QPoint destination) {
    return {source, destination};
}
} // namespace

TEST(FramedCopy, APictureSmallerThanItsFrameGoesInsideTheBorderAtItsOffset) {
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 0, 0, false), copy({0, 0, 100, 80}, {16, 33}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 5, 3, false), copy({0, 0, 100, 80}, {21, 36}));
    const FrameGeometry noBorder{15, 32, 131, 105, 0};
    EXPECT_EQ(framedCopy(noBorder, {100, 80}, 5, 3, false), copy({0, 0, 100, 80}, {20, 35}));
}

TEST(FramedCopy, ANegativeOffsetHidesTheFirstColumns) {
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, -20, 0, false), copy({20, 0, 80, 80}, {16, 33}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 0, -10, false), copy({0, 10, 100, 70}, {16, 33}));
}

TEST(FramedCopy, APictureReachingPastTheFrameIsCutInsideTheBorder) {
    // The formula gives 90 columns from x 56; the border column is left to the outline.
    EXPECT_EQ(framedCopy(kFrame, {120, 80}, 40, 0, false), copy({0, 0, 89, 80}, {56, 33}));
    EXPECT_EQ(framedCopy(kFrame, {300, 300}, 0, 0, false), copy({0, 0, 129, 103}, {16, 33}));
    // Negative offset on a wide picture: the formula's full frame width is cut too.
    EXPECT_EQ(framedCopy(kFrame, {300, 80}, -20, 0, false), copy({20, 0, 129, 80}, {16, 33}));
    // Without a border the whole frame takes the picture.
    const FrameGeometry noBorder{15, 32, 131, 105, 0};
    EXPECT_EQ(framedCopy(noBorder, {300, 300}, 0, 0, false), copy({0, 0, 131, 105}, {15, 32}));
}

TEST(FramedCopy, NothingIsCopiedPastTheFrame) {
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 140, 0, false));
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 0, 104, false));
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, -100, 0, false)); // no column of the picture left
}

TEST(FramedCopy, ResizeIgnoresTheHorizontalOffset) {
    EXPECT_EQ(framedCopy(kFrame, {200, 80}, 30, 4, true), copy({0, 0, 129, 80}, {16, 37}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 30, 0, true), copy({0, 0, 100, 80}, {16, 33}));
}
