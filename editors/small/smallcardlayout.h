#pragma once
// The geometry of a small card in the two editions: where the preview controls stand when
// the editor window is made, and the constants its layout works with. Pixels of the card box.

#include <QString>
#include <vector>

struct Rect {
    double left, top, width, height;
};

struct SmallCardLayout {
    int edition; // 2 or 3: the card types and backs the editor lists
    QString windowName;
    QString caption;
    QString previewName; // the preview container hidden while the set has no card
    // The corner that names a type after its upper left, in the type list and the statistics,
    // and what stands between the two in the list.
    QString typeCorner;
    QString typeSeparator;

    Rect card; // picCard; picBack stands beside it with the same size
    Rect frame;
    Rect picSize; // the frame-height handle
    Rect title;
    std::vector<Rect> types; // lblType(0..)
    Rect number;
    Rect bold;
    Rect information;
    Rect autonumber;
    Rect watermark;
    Rect symbol;
    Rect artist;

    // The preview font of the title and the bold text.
    QString titleFace;
    double titleSize;
    bool titleBold;

    double boldHeight;           // of the bold label when the card has bold text
    double informationBottom;    // the information ends at this row whatever lies above it
    double informationNoRoomTop; // where the information stands when the frame leaves it no room
    double handleHighest;        // the largest Top of the frame-height handle
};

const SmallCardLayout& secondEditionLayout();
const SmallCardLayout& thirdEditionLayout();
