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
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 0, 0), copy({0, 0, 100, 80}, {16, 33}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 5, 3), copy({0, 0, 100, 80}, {21, 36}));
    const FrameGeometry noBorder{15, 32, 131, 105, 0};
    EXPECT_EQ(framedCopy(noBorder, {100, 80}, 5, 3), copy({0, 0, 100, 80}, {20, 35}));
}

TEST(FramedCopy, ANegativeOffsetHidesTheFirstColumns) {
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, -20, 0), copy({20, 0, 80, 80}, {16, 33}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 0, -10), copy({0, 10, 100, 70}, {16, 33}));
}

TEST(FramedCopy, APictureReachingPastTheFrameIsCutInsideTheBorder) {
    // The formula gives 90 columns from x 56; the border column is left to the outline.
    EXPECT_EQ(framedCopy(kFrame, {120, 80}, 40, 0), copy({0, 0, 89, 80}, {56, 33}));
    EXPECT_EQ(framedCopy(kFrame, {300, 300}, 0, 0), copy({0, 0, 129, 103}, {16, 33}));
    // Negative offset on a wide picture: the formula's full frame width is cut too.
    EXPECT_EQ(framedCopy(kFrame, {300, 80}, -20, 0), copy({20, 0, 129, 80}, {16, 33}));
    // Without a border the whole frame takes the picture.
    const FrameGeometry noBorder{15, 32, 131, 105, 0};
    EXPECT_EQ(framedCopy(noBorder, {300, 300}, 0, 0), copy({0, 0, 131, 105}, {15, 32}));
}

TEST(FramedCopy, NothingIsCopiedPastTheFrame) {
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 140, 0));
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 0, 104));
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, -100, 0)); // no column of the picture left
}

TEST(FramedCopy, ResizeIgnoresTheHorizontalOffset) {
    EXPECT_EQ(framedCopy(kFrame, {200, 80}, 30, 4, {.fillWidth = true}), copy({0, 0, 129, 80}, {16, 37}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 30, 0, {.fillWidth = true}), copy({0, 0, 100, 80}, {16, 33}));
}

// The large card: its Resize makes the frame the picture's height, and a copy reaching past
// both sides of the frame stops one pixel short.
TEST(FramedCopy, TheLargeCardsRules) {
    const FrameGeometry noBorder{8, 8, 121, 100, 0};
    struct Case {
        FrameFit fit;
        int offsetX, offsetY;
        PictureCopy expected;
    };
    for (const Case& c :
         {Case{{.shortOfFarSide = true}, -20, 0, copy({20, 0, 120, 100}, {8, 8})},
          Case{{.fillHeight = true, .shortOfFarSide = true}, 0, 30, copy({0, 0, 121, 98}, {8, 8})},
          Case{{.fillHeight = true, .shortOfFarSide = true}, 0, -5, copy({0, 5, 121, 98}, {8, 8})}}) {
        EXPECT_EQ(framedCopy(noBorder, {300, 300}, c.offsetX, c.offsetY, c.fit), c.expected)
            << c.offsetX << "," << c.offsetY;
    }
}
