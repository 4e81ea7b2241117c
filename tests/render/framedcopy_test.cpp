#include "framedcopy.h"

#include <gtest/gtest.h>

namespace {
// A frame at (15, 32), 131 x 105: with its border, 129 x 103 inside from (16, 33).
const FrameGeometry kFrame{15, 32, 131, 105, 1};
const FrameGeometry kNoBorder{15, 32, 131, 105, 0};

PictureCopy copy(QRect source, QPoint destination) {
    return {source, destination};
}
} // namespace

TEST(FramedCopy, APictureSmallerThanItsFrameGoesInsideTheBorderAtItsOffset) {
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 0, 0), copy({0, 0, 100, 80}, {16, 33}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 5, 3), copy({0, 0, 100, 80}, {21, 36}));
    EXPECT_EQ(framedCopy(kNoBorder, {100, 80}, 5, 3), copy({0, 0, 100, 80}, {20, 35}));
}

TEST(FramedCopy, ANegativeOffsetHidesTheFirstColumns) {
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, -20, 0), copy({20, 0, 80, 80}, {16, 33}));
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 0, -10), copy({0, 10, 100, 70}, {16, 33}));
}

// A picture reaching past the frame on any side covers the whole inside, to the last column
// and row, with or without the border.
TEST(FramedCopy, APictureReachingPastTheFrameCoversItsInside) {
    struct Case {
        FrameGeometry frame;
        QSize picture;
        int offsetX, offsetY;
        PictureCopy expected;
    };
    for (const Case& c : {
             Case{kFrame, {120, 80}, 40, 0, copy({0, 0, 89, 80}, {56, 33})},
             Case{kFrame, {300, 300}, 0, 0, copy({0, 0, 129, 103}, {16, 33})},
             Case{kFrame, {300, 80}, -20, 0, copy({20, 0, 129, 80}, {16, 33})},
             Case{kFrame, {300, 300}, -20, -12, copy({20, 12, 129, 103}, {16, 33})},
             Case{kNoBorder, {300, 300}, 0, 0, copy({0, 0, 131, 105}, {15, 32})},
             Case{kNoBorder, {300, 300}, -20, 0, copy({20, 0, 131, 105}, {15, 32})},
             Case{kNoBorder, {300, 300}, 0, -12, copy({0, 12, 131, 105}, {15, 32})},
             Case{kNoBorder, {300, 300}, 8, 9, copy({0, 0, 123, 96}, {23, 41})},
         }) {
        EXPECT_EQ(framedCopy(c.frame, c.picture, c.offsetX, c.offsetY), c.expected)
            << c.frame.border << " " << c.offsetX << "," << c.offsetY;
    }
}

TEST(FramedCopy, NothingIsCopiedPastTheFrame) {
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 129, 0));
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 0, 103));
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, -100, 0)); // no column of the picture left
    EXPECT_FALSE(framedCopy(kFrame, {100, 80}, 0, -80));
    EXPECT_FALSE(framedCopy(kFrame, {0, 0}, 0, 0));
    // The last column and row inside the border still take the picture.
    EXPECT_EQ(framedCopy(kFrame, {100, 80}, 128, 102), copy({0, 0, 1, 1}, {144, 135}));
}

// Resize: the frame has followed the picture, so the offset along that axis moved the frame
// and the picture stands at its inner edge, from its first column or row.
TEST(FramedCopy, AlongAnAxisTheFrameFollowsTheOffsetIsTheFrames) {
    const FrameGeometry small{20, 32, 100, 105, 1}; // as wide as the picture
    const FrameGeometry smallNoBorder{20, 32, 100, 105, 0};
    const FrameGeometry large{8, 8, 121, 120, 0}; // as high as the picture
    const FrameGeometry largeBorder{8, 8, 121, 120, 1};
    struct Case {
        FrameGeometry frame;
        QSize picture;
        FrameFit fit;
        int offsetX, offsetY;
        PictureCopy expected;
    };
    for (const Case& c : {
             Case{small, {100, 200}, {.fillWidth = true}, 30, 4, copy({0, 0, 98, 99}, {21, 37})},
             Case{small, {100, 200}, {.fillWidth = true}, -12, 0, copy({0, 0, 98, 103}, {21, 33})},
             Case{small, {100, 200}, {.fillWidth = true}, -12, -6, copy({0, 6, 98, 103}, {21, 33})},
             Case{smallNoBorder, {100, 200}, {.fillWidth = true}, -12, 0, copy({0, 0, 100, 105}, {20, 32})},
             Case{smallNoBorder, {100, 50}, {.fillWidth = true}, 7, 0, copy({0, 0, 100, 50}, {20, 32})},
             Case{large, {300, 120}, {.fillHeight = true}, 0, -12, copy({0, 0, 121, 120}, {8, 8})},
             Case{large, {300, 120}, {.fillHeight = true}, -20, 30, copy({20, 0, 121, 120}, {8, 8})},
             Case{largeBorder, {300, 120}, {.fillHeight = true}, 0, -12, copy({0, 0, 119, 118}, {9, 9})},
             Case{large, {60, 120}, {.fillHeight = true}, 10, -12, copy({0, 0, 60, 120}, {18, 8})},
         }) {
        EXPECT_EQ(framedCopy(c.frame, c.picture, c.offsetX, c.offsetY, c.fit), c.expected)
            << c.frame.width << "x" << c.frame.height << " " << c.offsetX << "," << c.offsetY;
    }
}
