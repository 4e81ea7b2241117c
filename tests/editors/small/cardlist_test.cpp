// The card list: which cards it lists and how it numbers them, the type text, moving a card
// up and down, and how it is left.
#include "frmCardList.h"
#include "smallcardfixture.h"

#include "modData.h"
#include "testrows.h"

namespace {
constexpr qint32 kMissing = 99999; // no type or back row has this key

class CardList : public SmallCardFixture {
protected:
    CardList() { openNewSet(2); }

    // Cards titled by the given letters, numbered 1..n.
    std::vector<qint32> addCards(const QString& titles) {
        std::vector<qint32> ids;
        for (int i = 0; i < titles.size(); ++i)
            ids.push_back(insertCard(i + 1, {{"Title", Variant(QString(titles[i]))}}));
        return ids;
    }
    FrmCardList& openList() {
        FrmCardList& list = frmCardList.get();
        list.FillList();
        return list;
    }
    // As the user's click on the item of that card.
    static void clickCard(FrmCardList& list, qint32 cardID) {
        ListItem* item = list.lvCard.FindListItem(QStringLiteral("C%1").arg(cardID));
        ASSERT_NE(item, nullptr);
        list.lvCard.setSelectedItem(item);
        list.lvCard.ItemClick(*item);
    }
    static QString selectedKey(const FrmCardList& list) {
        const ListItem* item = list.lvCard.SelectedItem();
        return item ? item->Key() : QString();
    }
    QString order() const {
        QString titles;
        for (const auto& [nr, title] : cards())
            titles += title;
        return titles;
    }
};
} // namespace

TEST_F(CardList, OpeningListsEveryCardByNumberAndTitleAndNumbersThemOneToN) {
    const qint32 one = insertCard(1, {{"Title", Variant("One")}});
    const qint32 noType = insertCard(2, {{"Title", Variant("Two")}, {"CardTypeID", Variant(kMissing)}});
    const qint32 fiveB = insertCard(5, {{"Title", Variant("Five b")}});
    const qint32 fiveA = insertCard(5, {{"Title", Variant("five a")}});
    const qint32 noBack = insertCard(9, {{"Title", Variant("Nine")}, {"CardBackID", Variant(kMissing)}});
    const qint32 otherSet = insertCard(1, {{"SetID", Variant(iSetID + 1)}});

    FrmCardList& list = openList();
    ASSERT_EQ(list.lvCard.ListItemCount(), 5);
    const std::vector<qint32> expected{one, noType, fiveA, fiveB, noBack};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.lvCard.ListItemAt(i + 1).Key(), QStringLiteral("C%1").arg(expected[size_t(i)]));
        EXPECT_EQ(cardField(expected[size_t(i)], "Nr").toLong(), i + 1);
    }
    EXPECT_EQ(list.lvCard.ListItemAt(2).SubItems(2), "Amber Checks"); // the seed's back 1
    EXPECT_EQ(list.lvCard.ListItemAt(5).SubItems(2), "");
    EXPECT_EQ(cardField(otherSet, "Nr").toLong(), 1);
    EXPECT_EQ(list.ChoosenCardID, 0);

    // Numbers that are right already are not written again.
    int writes = 0;
    cnData->setWriteObserver([&](auto, const QString&, qint64, const QStringList&) { ++writes; });
    list.FillList();
    cnData->setWriteObserver({});
    EXPECT_EQ(writes, 0);
}

TEST_F(CardList, TypeTextJoinsTheCornersAndTheCardsNumber) {
    struct Case {
        const char *upperLeft, *lowerLeft, *upperRight, *number, *expected;
    };
    const Case cases[] = {
        {"ENEMY-", "-ENEMY", "RIGHT", "3", "ENEMY- -ENEMY (3)"}, // lower left wins over upper right
        {"Alien", "", "Alien", "", "Alien"},
        {"Alien", "", "Alien", "2", "Alien (2)"},
        {"Alien", "", "Beast", "", "Alien Beast"},
        {"Alien", "", "", "7", "Alien (7)"},
    };
    std::vector<qint32> ids;
    for (const Case& c : cases) {
        const qint32 type = insertRow(QStringLiteral("tblCardType"), QStringLiteral("CardTypeID"), {},
                                      {{"UpperLeft", Variant(c.upperLeft)},
                                       {"LowerLeft", Variant(c.lowerLeft)},
                                       {"UpperRight", Variant(c.upperRight)},
                                       {"LowerRight", Variant("")},
                                       {"Number", Variant("")}});
        ids.push_back(
            insertCard(int(ids.size()) + 1, {{"CardTypeID", Variant(type)}, {"Number", Variant(c.number)}}));
    }
    const qint32 noType =
        insertCard(int(ids.size()) + 1, {{"CardTypeID", Variant(kMissing)}, {"Number", Variant("4")}});

    FrmCardList& list = openList();
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(list.lvCard.FindListItem(QStringLiteral("C%1").arg(ids[i]))->SubItems(1), cases[i].expected)
            << cases[i].expected;
    EXPECT_EQ(list.lvCard.FindListItem(QStringLiteral("C%1").arg(noType))->SubItems(1), " (4)");
}

TEST_F(CardList, AClickShowsTheCardsTextsAndGoToReportsIt) {
    const std::vector<qint32> ids = addCards("AB");
    const qint32 third = insertCard(3, {{"Title", Variant("C")},
                                        {"BoldText", Variant("STRENGTH 2")},
                                        {"Information", Variant("First\r\nSecond")}});

    FrmCardList& list = openList();
    click(list.cmdGoTo); // nothing chosen yet
    EXPECT_FALSE(list.SelectOut);
    EXPECT_FALSE(list.Visible());

    EXPECT_EQ(list.lvCard.ListItemAt(3).ToolTipText(), "First\r\nSecond");
    clickCard(list, third);
    EXPECT_EQ(list.lblBold.Caption(), "STRENGTH 2");
    EXPECT_EQ(list.lblInformation.Caption(), "First\r\nSecond");
    click(list.cmdGoTo);
    EXPECT_TRUE(list.SelectOut);
    EXPECT_EQ(list.ChoosenCardID, third);

    clickCard(list, ids[1]);
    click(list.cmdClose);
    EXPECT_FALSE(list.SelectOut);
    list.lvCard.DblClick();
    EXPECT_TRUE(list.SelectOut);
    EXPECT_EQ(list.ChoosenCardID, ids[1]);
}

TEST_F(CardList, UpOnTheFirstAndDownOnTheLastChangeNothing) {
    const std::vector<qint32> ids = addCards("ABC");
    FrmCardList& list = openList();
    int writes = 0;
    cnData->setWriteObserver([&](auto, const QString&, qint64, const QStringList&) { ++writes; });
    click(list.cmdDown); // nothing chosen
    clickCard(list, ids[0]);
    click(list.cmdUp);
    EXPECT_EQ(list.ChoosenCardID, ids[0]);
    clickCard(list, ids[2]);
    click(list.cmdDown);
    EXPECT_EQ(list.ChoosenCardID, ids[2]);
    cnData->setWriteObserver({});
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(order(), "ABC");
    EXPECT_EQ(selectedKey(list), QStringLiteral("C%1").arg(ids[2]));
}

TEST_F(CardList, DownAndUpMoveTheChosenCardAndKeepItSelected) {
    const std::vector<qint32> ids = addCards("ABCD");
    FrmCardList& list = openList();
    clickCard(list, ids[0]);
    const QString chosen = QStringLiteral("C%1").arg(ids[0]);

    click(list.cmdDown);
    EXPECT_EQ(order(), "BACD");
    EXPECT_EQ(list.ChoosenCardID, ids[0]);
    EXPECT_EQ(selectedKey(list), chosen);
    click(list.cmdDown);
    EXPECT_EQ(order(), "BCAD");
    EXPECT_EQ(selectedKey(list), chosen);
    click(list.cmdUp);
    EXPECT_EQ(order(), "BACD");
    EXPECT_EQ(selectedKey(list), chosen);

    click(list.cmdDown);
    click(list.cmdClose);
    EXPECT_FALSE(list.SelectOut);
    frmCardList.unload();
    EXPECT_EQ(order(), "BCAD"); // the moves stay
    EXPECT_EQ(cards().back().first, 4);
}
