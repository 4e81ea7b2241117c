#include "cardtextrows.h"

#include "characterwindow.h"
#include "largecardwindow.h"
#include "smallcardwindow.h"

#include "forms/textlayer.h"

#include <array>

namespace {
struct Row {
    TextPlacement placement;
    const char* fontField;
};

constexpr std::array<Row, 11> kSmallRows{{
    {TextPlacement::Centred, "CardTitleFontID"},
    {TextPlacement::Left, "CardTypeFontID"},
    {TextPlacement::Left, "CardTypeFontID"},
    {TextPlacement::Right, "CardTypeFontID"},
    {TextPlacement::Right, "CardTypeFontID"},
    {TextPlacement::Centred, "CardTypeFontID"},
    {TextPlacement::Centred, "CardBoldFontID"},
    {TextPlacement::Wrapped, "CardInformationFontID"},
    // The digits alone: no sign place before them.
    {TextPlacement::Right, "AutonumberFontID"},
    {TextPlacement::Centred, nullptr},
    {TextPlacement::Centred, "CardTypeFontID"},
}};

constexpr std::array<Row, 13> kCharacterRows{{
    {TextPlacement::Centred, "CharacterNameFontID"},
    {TextPlacement::Centred, "CharacterNameFontID"},
    {TextPlacement::Centred, "CharacterNameFontID"},
    {TextPlacement::Left, "CharacterInfoFontID"},
    {TextPlacement::Left, "CharacterInfoFontID"},
    {TextPlacement::Left, "CharacterInfoFontID"},
    {TextPlacement::Left, "CharacterInfoFontID"},
    {TextPlacement::Centred, "CharacterSpecialTitleFontID"},
    {TextPlacement::Wrapped, "CharacterSpecialFontID"},
    {TextPlacement::Number, "AutonumberFontID"},
    {TextPlacement::Centred, nullptr},
    {TextPlacement::Centred, "CharacterPieceFontID"},
    {TextPlacement::Centred, nullptr},
}};

constexpr std::array<Row, 4> kLargeRows{{
    {TextPlacement::WrappedCentred, "CardLargeTitleFontID"},
    {TextPlacement::Wrapped, "CardLargeInfoFontID"},
    {TextPlacement::Number, "AutonumberFontID"},
    {TextPlacement::Centred, nullptr},
}};

template <typename Text, size_t N> CardText bound(Label* label, const std::array<Row, N>& rows, Text text) {
    const Row& row = rows.at(size_t(text));
    return {label, row.placement, row.fontField};
}

// The texts from `first` to `last`, in the order of the kind's rows.
template <typename Window, typename Text>
std::vector<CardText> textsFrom(Window& editor, Text first, Text last, CardText (*text)(Window&, Text)) {
    std::vector<CardText> texts;
    for (int at = int(first); at <= int(last); ++at)
        texts.push_back(text(editor, Text(at)));
    return texts;
}

Label* smallCardLabel(SmallCardWindow& editor, SmallText text) {
    const auto type = [&](size_t corner) {
        return corner < editor.lblType.size() ? &editor.lblType[corner] : nullptr;
    };
    switch (text) {
    case SmallText::Title:
        return &editor.lblTitle;
    case SmallText::TypeUpperLeft:
    case SmallText::TypeOneLine:
        return type(0);
    case SmallText::TypeUpperRight:
        return type(1);
    case SmallText::TypeLowerLeft:
        return type(2);
    case SmallText::TypeLowerRight:
        return type(3);
    case SmallText::Number:
        return &editor.lblNumber;
    case SmallText::Bold:
        return &editor.lblBold;
    case SmallText::Information:
        return &editor.lblInformation;
    case SmallText::Autonumber:
        return &editor.lblAutonumber;
    case SmallText::Watermark:
        return &editor.lblWatermark;
    }
    return nullptr;
}

Label* characterLabel(CharacterWindow& editor, CharacterText text) {
    switch (text) {
    case CharacterText::Name:
        return &editor.lblCharacter;
    case CharacterText::Objects:
        return &editor.lblObjects;
    case CharacterText::Followers:
        return &editor.lblFollowers;
    case CharacterText::AlignmentTitle:
        return &editor.lblAlignmentTitle;
    case CharacterText::Alignment:
        return &editor.lblAlignment;
    case CharacterText::StartTitle:
        return &editor.lblStartTitle;
    case CharacterText::Start:
        return &editor.lblStart;
    case CharacterText::SpecialTitle:
        return &editor.lblSpecialTitle;
    case CharacterText::Special:
        return &editor.lblSpecial;
    case CharacterText::Autonumber:
        return &editor.lblAutonumberCharacter;
    case CharacterText::Watermark:
        return &editor.lblWatermark[0];
    case CharacterText::PieceName:
        return &editor.lblPlayingPieceName;
    case CharacterText::PieceWatermark:
        return &editor.lblWatermark[1];
    }
    return nullptr;
}

Label* largeCardLabel(LargeCardWindow& editor, LargeText text) {
    switch (text) {
    case LargeText::Title:
        return &editor.lblTitleLarge;
    case LargeText::Information:
        return &editor.lblInformationLarge;
    case LargeText::Autonumber:
        return &editor.lblAutonumberLarge;
    case LargeText::Watermark:
        return &editor.lblWatermark;
    }
    return nullptr;
}
} // namespace

CardText smallCardText(SmallCardWindow& editor, SmallText text) {
    return bound(smallCardLabel(editor, text), kSmallRows, text);
}

std::vector<CardText> smallCardTexts(SmallCardWindow& editor) {
    std::vector<CardText> texts;
    for (const CardText& text : textsFrom(editor, SmallText::Title, SmallText::Watermark, smallCardText))
        if (text.label) texts.push_back(text);
    return texts;
}

CardText characterText(CharacterWindow& editor, CharacterText text) {
    return bound(characterLabel(editor, text), kCharacterRows, text);
}

std::vector<CardText> characterCardTexts(CharacterWindow& editor) {
    return textsFrom(editor, CharacterText::Name, CharacterText::Watermark, characterText);
}

std::vector<CardText> playingPieceTexts(CharacterWindow& editor) {
    return textsFrom(editor, CharacterText::PieceName, CharacterText::PieceWatermark, characterText);
}

CardText largeCardText(LargeCardWindow& editor, LargeText text) {
    return bound(largeCardLabel(editor, text), kLargeRows, text);
}

std::vector<CardText> largeCardTexts(LargeCardWindow& editor) {
    return textsFrom(editor, LargeText::Title, LargeText::Watermark, largeCardText);
}

void showAsPrinted(TextLayer& layer, const std::vector<CardText>& texts) {
    std::vector<Label*> labels;
    for (const CardText& text : texts) {
        showAsPrinted(*text.label, text.placement);
        labels.push_back(text.label);
    }
    layer.setLabels(std::move(labels));
}
