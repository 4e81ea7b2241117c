// The statistics message: cards counted by type and by back, most used first, with their
// shares; cards whose type or back row is gone are left out of that half only.
#include "smallcardfixture.h"
#include "smallcardstatistics.h"
#include "testrows.h"

#include "modData.h"

namespace {
class Statistics : public SmallCardFixture {
protected:
    // The message the editor's button shows.
    QString shown(SmallCardEditor& editor) {
        click(editor.cmdStat);
        const auto& messages = folder.dialogs().messages();
        EXPECT_FALSE(messages.empty());
        if (messages.empty()) return {};
        EXPECT_EQ(messages.back().title, QStringLiteral("Cards used in set"));
        EXPECT_EQ(messages.back().style, 64);
        return messages.back().prompt;
    }
    void addCard(qint32 typeID, qint32 backID) {
        insertCard(++m_nr, {{QStringLiteral("CardTypeID"), typeID}, {QStringLiteral("CardBackID"), backID}});
    }

private:
    int m_nr = 0;
};

// Seeded 2nd-edition rows of language 1.
constexpr qint32 kEncounter = 1;
constexpr qint32 kEncounterBeast = 2;
constexpr qint32 kTreasure = 3;
constexpr qint32 kAmberChecks = 1;
constexpr qint32 kIndigoStripes = 2;

TEST_F(Statistics, AnEmptySetShowsZeroCountsAndNoShares) {
    openNewSet(2);
    EXPECT_EQ(shown(frmCard2nd.get()), QStringLiteral("0 number of cards in set.\r\n\r\n\r\n"
                                                      "0 number of types used.\r\n\r\n\r\n\r\n"
                                                      "0 number of sets used.\r\n"));
}

TEST_F(Statistics, GroupsByCornerTextsMostUsedFirstTiesByName) {
    openNewSet(2);
    addCard(kTreasure, kIndigoStripes);
    addCard(kEncounterBeast, kAmberChecks);
    addCard(kEncounterBeast, kAmberChecks);
    addCard(kEncounter, kIndigoStripes);
    // Another type with the corners of Encounter Beast falls into its group.
    const qint32 twin = insertRow(QStringLiteral("tblCardType"), QStringLiteral("CardTypeID"),
                                  {{QStringLiteral("UpperLeft"), QStringLiteral("Encounter")},
                                   {QStringLiteral("LowerLeft"), QStringLiteral("Beast")},
                                   {QStringLiteral("Number"), QStringLiteral("9")},
                                   {QStringLiteral("LanguageID"), 1},
                                   {QStringLiteral("EditionID"), 2},
                                   {QStringLiteral("Original"), false},
                                   {QStringLiteral("UsedInSet"), 0}},
                                  {});
    addCard(twin, kAmberChecks);
    addCard(999, 999); // its type and back rows are gone
    // Another set's cards are not counted.
    const qint32 openSet = iSetID;
    openNewSet(2);
    addCard(kTreasure, kAmberChecks);
    iSetID = openSet;

    EXPECT_EQ(shown(frmCard2nd.get()), QStringLiteral("5 number of cards in set.\r\n\r\n\r\n"
                                                      "3 number of types used.\r\n"
                                                      "\r\n3 - Encounter Beast (60%)"
                                                      "\r\n1 - Encounter  (20%)"
                                                      "\r\n1 - Treasure  (20%)\r\n\r\n\r\n"
                                                      "2 number of sets used.\r\n"
                                                      "\r\n3 - Amber Checks (60%)"
                                                      "\r\n2 - Indigo Stripes (40%)"));
}

TEST_F(Statistics, TheThirdEditionNamesTypesByTheirUpperCorners) {
    openNewSet(3);
    addCard(7, 3); // Encounter / Beast, Moss Diamonds
    EXPECT_EQ(shown(frmCard3rd.get()), QStringLiteral("1 number of cards in set.\r\n\r\n\r\n"
                                                      "1 number of types used.\r\n"
                                                      "\r\n1 - Encounter Beast (100%)\r\n\r\n\r\n"
                                                      "1 number of sets used.\r\n"
                                                      "\r\n1 - Moss Diamonds (100%)"));
}

TEST(StatisticsShares, HalvesRoundAwayFromZero) {
    struct Case {
        qint32 part, whole;
        const char* text;
    };
    for (const Case& c : {Case{1, 8, "13"}, Case{3, 8, "38"}, Case{2, 3, "67"}, Case{1, 3, "33"},
                          Case{1, 200, "1"}, Case{1, 201, "0"}, Case{7, 7, "100"}})
        EXPECT_EQ(percentText(c.part, c.whole), QLatin1String(c.text)) << c.part << "/" << c.whole;
}
} // namespace
