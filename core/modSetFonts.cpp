#include "modSetFonts.h"
#include "modData.h"

#include <array>

namespace {
struct FontDefault {
    const char* face;
    qint16 size;
    bool bold;
    qint32 colour = 0x000000;
};

struct SetFont {
    const char* setField;
    FontDefault secondEdition;
    FontDefault otherEdition;
};

constexpr FontDefault kSmall7{"Small Fonts", 7, false};
constexpr FontDefault kSmall7Bold{"Small Fonts", 7, true};
constexpr FontDefault kSmall5{"Small Fonts", 5, false};
constexpr FontDefault kSmall6Bold{"Small Fonts", 6, true};
constexpr FontDefault kWhiteSmall7Bold{"Small Fonts", 7, true, 0xFFFFFF};
constexpr FontDefault kTitle3rd{"CasablancaAntique", 14, false};

// In the order the rows are added.
constexpr std::array<SetFont, 13> kSetFonts{{
    {"CardTypeFontID", kSmall7, kSmall7},
    {"CardNumberFontID", kSmall7, kSmall7},
    {"CardTitleFontID", kSmall7Bold, kTitle3rd},
    {"CardBoldFontID", kSmall7Bold, kTitle3rd},
    {"CardInformationFontID", kSmall7, kSmall7},
    {"AutonumberFontID", kSmall5, kSmall5},
    {"CardLargeTitleFontID", kSmall7Bold, kSmall7Bold},
    {"CardLargeInfoFontID", kSmall7, kSmall7},
    {"CharacterNameFontID", kWhiteSmall7Bold, kWhiteSmall7Bold},
    {"CharacterSpecialTitleFontID", kSmall7Bold, kSmall7Bold},
    {"CharacterSpecialFontID", kSmall7, kSmall7},
    {"CharacterInfoFontID", kSmall6Bold, kSmall6Bold},
    {"CharacterPieceFontID", kSmall7Bold, kSmall7Bold},
}};
} // namespace

void CreateSetFonts(Recordset& rs) {
    RecordsetPtr rsFont;
    strSQL = QStringLiteral("SELECT * FROM tblFont ORDER BY FontID");
    OpenRecordset(strSQL, rsFont);
    const bool secondEdition = rs.field(QStringLiteral("EditionID")).toInt() == 2;
    for (const SetFont& setFont : kSetFonts) {
        const FontDefault& font = secondEdition ? setFont.secondEdition : setFont.otherEdition;
        rsFont->addNew();
        rsFont->field(QStringLiteral("Font")) = font.face;
        rsFont->field(QStringLiteral("Size")) = font.size;
        rsFont->field(QStringLiteral("Bold")) = font.bold;
        rsFont->field(QStringLiteral("Italic")) = false;
        rsFont->field(QStringLiteral("Colour")) = font.colour;
        rsFont->update();
        rsFont->moveLast();
        rs.field(QString::fromLatin1(setFont.setField)) = rsFont->field(QStringLiteral("FontID")).value();
    }
}

QStringList SetFontFields() {
    QStringList fields;
    for (const SetFont& setFont : kSetFonts)
        fields << QString::fromLatin1(setFont.setField);
    return fields;
}
