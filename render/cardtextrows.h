#pragma once
// Which placement and which of the open set's fonts each text of a card takes, stated once:
// the editors show their preview labels by these rows and the renderer prints by them. Each
// kind lists its texts in the order the card prints them, the order in which the preview
// stacks them too.

#include "cardtext.h"

#include <vector>

class CharacterWindow;
class Label;
class LargeCardWindow;
class SmallCardWindow;
class TextLayer;

// A text of a card: the preview label that gives its place, how it stands there, and the
// field of the set that names its font; none for the watermark, printed in its label's own
// font and colour.
struct CardText {
    Label* label;
    TextPlacement placement;
    const char* fontField;
};

// The type corners in the order they are printed. TypeOneLine is the 2nd edition's whole
// type line, in the upper-left label; the 3rd edition has no lower corners.
enum class SmallText {
    Title,
    TypeUpperLeft,
    TypeLowerLeft,
    TypeUpperRight,
    TypeLowerRight,
    Number,
    Bold,
    Information,
    Autonumber,
    Watermark,
    TypeOneLine
};
CardText smallCardText(SmallCardWindow& editor, SmallText text);
// Every label of the card's texts, the upper-left corner as it stands on two lines.
std::vector<CardText> smallCardTexts(SmallCardWindow& editor);

enum class CharacterText {
    Name,
    Objects,
    Followers,
    AlignmentTitle,
    Alignment,
    StartTitle,
    Start,
    SpecialTitle,
    Special,
    Autonumber,
    Watermark,
    PieceName,
    PieceWatermark
};
CardText characterText(CharacterWindow& editor, CharacterText text);
std::vector<CardText> characterCardTexts(CharacterWindow& editor);
std::vector<CardText> playingPieceTexts(CharacterWindow& editor);

enum class LargeText { Title, Information, Autonumber, Watermark };
CardText largeCardText(LargeCardWindow& editor, LargeText text);
std::vector<CardText> largeCardTexts(LargeCardWindow& editor);

// Each label shows its text as printed, and the layer over the card box draws them in the
// order given.
void showAsPrinted(TextLayer& layer, const std::vector<CardText>& texts);
