#include "smallcardlayout.h"

const SmallCardLayout& secondEditionLayout() {
    static const SmallCardLayout layout{
        .edition = 2,
        .windowName = QStringLiteral("frmCard2nd"),
        .caption = QStringLiteral("Card (2nd)"),
        .previewName = QStringLiteral("pic2ndCard"),
        .typeCorner = QStringLiteral("LowerLeft"),
        .typeSeparator = QString(),
        .card = {0, 0, 152, 256},
        .frame = {5, 40, 139, 105},
        .picSize = {5, 144, 138, 3},
        .title = {5, 28, 139, 13},
        .types = {{5, 3, 57, 12}, {88, 3, 56, 12}, {5, 15, 57, 12}, {88, 15, 57, 12}},
        .number = {66, 8, 17, 17},
        .bold = {5, 148, 139, 1},
        .information = {5, 151, 139, 90},
        .autonumber = {134, 245, 13, 9},
        .watermark = {55, 245, 40, 9},
        .symbol = {0, 245, 5, 5},
        .artist = {0, 40, 5, 180},
        .titleFace = QStringLiteral("Small Fonts"),
        .titleSize = 6.75,
        .titleBold = true,
        .boldHeight = 12,
        .informationBottom = 241,
        .informationNoRoomTop = 242,
        .handleHighest = 208,
    };
    return layout;
}

const SmallCardLayout& thirdEditionLayout() {
    static const SmallCardLayout layout{
        .edition = 3,
        .windowName = QStringLiteral("frmCard3rd"),
        .caption = QStringLiteral("Card (3rd)"),
        .previewName = QStringLiteral("pic3rdCard"),
        .typeCorner = QStringLiteral("UpperRight"),
        .typeSeparator = QStringLiteral(" "),
        .card = {0, 0, 163, 247},
        .frame = {15, 32, 131, 105},
        .picSize = {12, 137, 137, 5},
        .title = {12, 11, 137, 22},
        .types = {{14, 220, 57, 12}, {90, 220, 56, 12}},
        .number = {72, 220, 17, 17},
        .bold = {12, 142, 137, 20},
        .information = {14, 162, 133, 57},
        .autonumber = {146, 236, 13, 9},
        .watermark = {60, 237, 41, 9},
        .symbol = {0, 235, 5, 5},
        .artist = {0, 40, 5, 180},
        .titleFace = QStringLiteral("Arial"),
        .titleSize = 14.25,
        .titleBold = false,
        .boldHeight = 20,
        .informationBottom = 219,
        .informationNoRoomTop = 219,
        .handleHighest = 178,
    };
    return layout;
}
