// Adding cards: the values of a new card, the set's defaults, Ctrl+N, and the adds that
// are refused or fail without leaving anything behind.
#include "smallcardfixture.h"

#include "modData.h"

namespace {
class AddCard : public SmallCardFixture {
protected:
    FrmCard2nd& editor() { return frmCard2nd.get(); }
    int messageCount() const { return int(folder.dialogs().messages().size()); }
};
} // namespace

TEST_F(AddCard, FirstCardOfAnEmptySetTakesTheFirstListEntriesAndStoresThemInTheSet) {
    openNewSet(2);
    FrmCard2nd& form = editor();
    ASSERT_GT(form.cboType.ListCount(), 0);
    const qint64 firstType = form.cboType.ItemData(0);
    const qint64 firstBack = form.cboCardBack.ItemData(0);

    click(form.cmdCardAdd);

    ASSERT_EQ(cards(), (std::vector<std::pair<int, QString>>{{1, "CARD 1"}}));
    const qint32 id = form.shownCardID();
    ASSERT_NE(id, 0);
    EXPECT_EQ(cardField(id, "SetID").toLong(), iSetID);
    EXPECT_EQ(cardField(id, "Copies").toLong(), 1);
    EXPECT_EQ(cardField(id, "CardTypeID").toLong(), firstType);
    EXPECT_EQ(cardField(id, "Number").toText(), "5"); // the first type of the list: "Companion (5)"
    EXPECT_FALSE(cardField(id, "OneLine").toBool());
    EXPECT_TRUE(cardField(id, "UsePicture").toBool());
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), 0.0);
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 0.0);
    EXPECT_EQ(cardField(id, "PicHeight").toDouble(), 105.0);
    EXPECT_FALSE(cardField(id, "Resize").toBool());
    EXPECT_TRUE(cardField(id, "UseFrame").toBool());
    for (const char* text : {"Artist", "BoldText", "Information", "FileName"}) {
        EXPECT_FALSE(cardField(id, text).isNull()) << text;
        EXPECT_EQ(cardField(id, text).toText(), "") << text;
    }
    EXPECT_EQ(cardField(id, "CardBackID").toLong(), firstBack);
    EXPECT_EQ(cardField(id, "BGColour").toLong(), 0xFFFFFF);
    EXPECT_TRUE(cardField(id, "Picture").isNull());
    EXPECT_TRUE(cardField(id, "Background").isNull());
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), firstType);
    EXPECT_EQ(setField("DefaultCardBackID").toLong(), firstBack);

    EXPECT_EQ(form.lblCurrentCard.Caption(), "1 (1)");
    EXPECT_EQ(form.lblCurrentCard.Tag(), "1");
    EXPECT_TRUE(form.pic2ndCard.Visible());
    EXPECT_TRUE(form.picCardRest.Visible());
    EXPECT_TRUE(form.cmdCardDelete.Enabled());
    EXPECT_EQ(form.txtTitle.Text(), "CARD 1");
    EXPECT_EQ(form.txtTitle.SelLength(), 6); // typing replaces the default title
}

TEST_F(AddCard, LaterCardsFollowTheLastNumberAndKeepTheStoredDefaults) {
    openNewSet(2);
    for (int nr = 1; nr <= 12; ++nr)
        insertCard(nr);
    setSetField("DefaultCardTypeID", 4); // "Treasure Relic (4)", not the first entry
    setSetField("DefaultCardBackID", 2);
    FrmCard2nd& form = editor();

    click(form.cmdCardAdd);

    ASSERT_EQ(cards().size(), 13u);
    EXPECT_EQ(cards().back(), (std::pair<int, QString>{13, "CARD 13"}));
    EXPECT_EQ(cardField(form.shownCardID(), "CardTypeID").toLong(), 4);
    EXPECT_EQ(cardField(form.shownCardID(), "Number").toText(), "4");
    EXPECT_EQ(cardField(form.shownCardID(), "CardBackID").toLong(), 2);
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), 4);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "13 (13)");
}

TEST_F(AddCard, CtrlNAddsFromAnyControlAndOtherNKeysDoNothing) {
    openNewSet(3);
    FrmCard3rd& form = frmCard3rd.get();
    pressKey(form.cmdCardAdd.widget(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(cards().size(), 1u);

    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)})
        pressKey(form.txtInfo.widget(), Qt::Key_N, modifiers);
    EXPECT_EQ(cards().size(), 1u);

    pressKey(form.txtInfo.widget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(cards(), (std::vector<std::pair<int, QString>>{{1, "CARD 1"}, {2, "CARD 2"}}));
    EXPECT_EQ(cardField(form.shownCardID(), "Number").toText(), "4"); // 3rd edition: "Companion (4)"
    EXPECT_EQ(form.lblCurrentCard.Caption(), "2 (2)");
}

TEST_F(AddCard, WithNoOpenSetNothingHappens) {
    openNewSet(2);
    FrmCard2nd& form = editor();
    iSetID = 0;
    click(form.cmdCardAdd);
    EXPECT_EQ(messageCount(), 0);
    iSetID = rsSet->field("SetID").toLong();
    EXPECT_TRUE(cards().empty());
}

TEST_F(AddCard, RefusedWithAMessageWhenTheSetHasNoTypeOrBack) {
    openNewSet(2, 77); // a language without card types or backs
    FrmCard2nd& form = editor();
    click(form.cmdCardAdd);
    ASSERT_EQ(messageCount(), 1);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("no card type"));
    EXPECT_TRUE(cards().empty());
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), 0);

    // A type of the set's own, but still no back.
    cnData->execute("INSERT INTO tblCardType (UpperLeft, Number, LanguageID, EditionID, UsedInSet) "
                    "VALUES ('Own', '9', 77, 2, 0)");
    LoadLookups(2, 77);
    form.InitCard2nd();
    click(form.cmdCardAdd);
    ASSERT_EQ(messageCount(), 2);
    EXPECT_TRUE(folder.dialogs().messages()[1].prompt.contains("no card back"));
    EXPECT_TRUE(cards().empty());
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), 0); // nothing of the refused add stays
}

// As after the set's edition changed: defaults of the other edition count as none.
TEST_F(AddCard, DefaultsOutsideTheListsGiveTheFirstEntries) {
    openNewSet(2);
    setSetField("DefaultCardTypeID", 8); // 3rd-edition type and back
    setSetField("DefaultCardBackID", 3);
    FrmCard2nd& form = editor();
    click(form.cmdCardAdd);
    EXPECT_EQ(messageCount(), 0);
    ASSERT_EQ(cards().size(), 1u);
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), form.cboType.ItemData(0));
    EXPECT_EQ(setField("DefaultCardBackID").toLong(), form.cboCardBack.ItemData(0));
    EXPECT_EQ(form.cboType.ListIndex(), 0);
    EXPECT_EQ(form.cboCardBack.ListIndex(), 0);
}

TEST_F(AddCard, RefusedPastTheLargestCardNumber) {
    openNewSet(2);
    insertCard(1);
    cnData->execute(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 32767) "
                       "INSERT INTO tblCard (SetID, Nr, Title) SELECT %1, i, 'CARD ' || i FROM n")
            .arg(iSetID));
    FrmCard2nd& form = editor();
    click(form.cmdCardAdd);
    ASSERT_EQ(messageCount(), 1);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("32767"));
    EXPECT_EQ(cards().size(), 32767u);
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), 0);
}

TEST_F(AddCard, AFailedInsertLeavesNeitherCardNorSetDefaults) {
    openNewSet(2);
    insertCard(1);
    FrmCard2nd& form = editor();
    const qint32 shown = form.shownCardID();
    cnData->execute(
        "CREATE TRIGGER refuse BEFORE INSERT ON tblCardData BEGIN SELECT RAISE(ABORT, 'refused'); END");

    click(form.cmdCardAdd);

    ASSERT_EQ(messageCount(), 1);
    EXPECT_EQ(folder.dialogs().messages()[0].title, "New card");
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("refused"));
    EXPECT_EQ(cards().size(), 1u);
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), 0); // written before the insert, rolled back
    EXPECT_EQ(setField("DefaultCardBackID").toLong(), 0);
    EXPECT_EQ(form.shownCardID(), shown);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "1 (1)");

    cnData->execute("DROP TRIGGER refuse");
    click(form.cmdCardAdd); // the editor goes on working
    EXPECT_EQ(cards().size(), 2u);
}
