// The thirteen font rows a new set gets: their values per edition, their order, and each
// set owning its own rows.
#include "modData.h"
#include "modSetFonts.h"
#include "programfolder.h"

#include <array>
#include <gtest/gtest.h>

namespace {
struct ExpectedFont {
    const char* setField;
    const char* face;
    int size;
    bool bold;
    qint32 colour;
};

constexpr std::array<ExpectedFont, 13> kSecondEdition{{
    {"CardTypeFontID", "Small Fonts", 7, false, 0},
    {"CardNumberFontID", "Small Fonts", 7, false, 0},
    {"CardTitleFontID", "Small Fonts", 7, true, 0},
    {"CardBoldFontID", "Small Fonts", 7, true, 0},
    {"CardInformationFontID", "Small Fonts", 7, false, 0},
    {"AutonumberFontID", "Small Fonts", 5, false, 0},
    {"CardLargeTitleFontID", "Small Fonts", 7, true, 0},
    {"CardLargeInfoFontID", "Small Fonts", 7, false, 0},
    {"CharacterNameFontID", "Small Fonts", 7, true, 0xFFFFFF},
    {"CharacterSpecialTitleFontID", "Small Fonts", 7, true, 0},
    {"CharacterSpecialFontID", "Small Fonts", 7, false, 0},
    {"CharacterInfoFontID", "Small Fonts", 6, true, 0},
    {"CharacterPieceFontID", "Small Fonts", 7, true, 0},
}};

// Adds a set row of the edition with its fonts, as New set does; returns its key.
qint32 addSetWithFonts(qint16 edition) {
    RecordsetPtr rs;
    OpenRecordset(QStringLiteral("SELECT * FROM tblSet ORDER BY SetName"), rs);
    rs->addNew();
    rs->field(QStringLiteral("SetName")) = QStringLiteral("Fonts");
    rs->field(QStringLiteral("EditionID")) = edition;
    CreateSetFonts(*rs);
    EXPECT_TRUE(rs->isEditing()); // the caller updates the row
    rs->update();
    rs->moveLast();
    return rs->field(QStringLiteral("SetID")).toLong();
}

// The set's font rows in the order of the set fields, each checked against the expectation.
void expectFonts(qint32 setID, const std::array<ExpectedFont, 13>& expected) {
    const RecordsetPtr set = GetRecordset(QStringLiteral("SELECT * FROM tblSet WHERE SetID = %1").arg(setID));
    qint32 previous = 0;
    for (const ExpectedFont& font : expected) {
        SCOPED_TRACE(font.setField);
        const qint32 fontID = set->field(QString::fromLatin1(font.setField)).toLong();
        EXPECT_GT(fontID, previous); // added in the order of the fields
        previous = fontID;
        const RecordsetPtr row =
            GetRecordset(QStringLiteral("SELECT * FROM tblFont WHERE FontID = %1").arg(fontID));
        ASSERT_EQ(row->recordCount(), 1);
        EXPECT_EQ(row->field(QStringLiteral("Font")).toText(), QString::fromLatin1(font.face));
        EXPECT_EQ(row->field(QStringLiteral("Size")).toInt(), font.size);
        EXPECT_EQ(row->field(QStringLiteral("Bold")).toBool(), font.bold);
        EXPECT_FALSE(row->field(QStringLiteral("Italic")).toBool());
        EXPECT_EQ(row->field(QStringLiteral("Colour")).toLong(), font.colour);
    }
}
} // namespace

TEST(SetFonts, SecondEditionRows) {
    ProgramFolder folder;
    folder.openDatabase();
    const qint32 setID = addSetWithFonts(2);
    EXPECT_EQ(GetRecordset(QStringLiteral("SELECT * FROM tblFont"))->recordCount(), 13);
    expectFonts(setID, kSecondEdition);
}

TEST(SetFonts, OtherEditionsDifferOnlyInTitleAndBoldText) {
    ProgramFolder folder;
    folder.openDatabase();
    std::array<ExpectedFont, 13> expected = kSecondEdition;
    expected[2] = {"CardTitleFontID", "CasablancaAntique", 14, false, 0};
    expected[3] = {"CardBoldFontID", "CasablancaAntique", 14, false, 0};
    expectFonts(addSetWithFonts(3), expected);
}

TEST(SetFonts, EachSetOwnsItsRows) {
    ProgramFolder folder;
    folder.openDatabase();
    const qint32 first = addSetWithFonts(2);
    const qint32 second = addSetWithFonts(2);
    EXPECT_EQ(GetRecordset(QStringLiteral("SELECT * FROM tblFont"))->recordCount(), 26);
    const RecordsetPtr shared = GetRecordset(QStringLiteral("SELECT a.SetID FROM tblSet a, tblSet b "
                                                            "WHERE a.SetID = %1 AND b.SetID = %2 AND "
                                                            "(a.CardTitleFontID = b.CardTitleFontID OR "
                                                            "a.CharacterNameFontID = b.CharacterNameFontID)")
                                                 .arg(first)
                                                 .arg(second));
    EXPECT_EQ(shared->recordCount(), 0);
}
