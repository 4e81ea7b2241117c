#include "runtime/colour.h"

#include <gtest/gtest.h>

TEST(Colour, RgbPutsRedInTheLowByte) {
    EXPECT_EQ(RGB(22, 38, 117), 0x752616);
    EXPECT_EQ(RGB(250, 46, 11), 0x0B2EFA);
    EXPECT_EQ(RGB(255, 255, 255), vbWhite);
    EXPECT_EQ(RGB(300, -4, 255), 0xFF00FF); // clamped
}

TEST(Colour, ConvertsToAndFromQColor) {
    EXPECT_EQ(toQColor(0x752616), QColor(22, 38, 117));
    EXPECT_EQ(fromQColor(QColor(22, 38, 117)), 0x752616);
    EXPECT_EQ(fromQColor(toQColor(0x0B2EFA)), 0x0B2EFA);
    EXPECT_EQ(toQColor(vbBlack), QColor(Qt::black));
}
