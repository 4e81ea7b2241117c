// Deleting cards: the followers move down, the card that took the place is shown, and a
// failed renumbering leaves every card as it was.
#include "smallcardfixture.h"

#include "modData.h"

namespace {
using Cards = std::vector<std::pair<int, QString>>;

class DeleteCard : public SmallCardFixture {
protected:
    FrmCard2nd& showCard(int nrs, int shown) {
        for (int nr = 1; nr <= nrs; ++nr)
            insertCard(nr);
        FrmCard2nd& form = frmCard2nd.get();
        for (int i = 1; i < shown; ++i)
            click(form.cmdCardNav[2]);
        return form;
    }
};
} // namespace

TEST_F(DeleteCard, FollowersMoveDownAndTheCardInThePlaceIsShown) {
    openNewSet(2);
    FrmCard2nd& form = showCard(5, 3);
    click(form.cmdCardDelete);
    EXPECT_EQ(cards(), (Cards{{1, "CARD 1"}, {2, "CARD 2"}, {3, "CARD 4"}, {4, "CARD 5"}}));
    EXPECT_EQ(form.txtTitle.Text(), "CARD 4");
    EXPECT_EQ(form.lblCurrentCard.Caption(), "3 (4)");
    EXPECT_EQ(form.lblCurrentCard.Tag(), "4");
}

TEST_F(DeleteCard, DeletingTheLastCardShowsTheNewLastOne) {
    openNewSet(2);
    FrmCard2nd& form = showCard(5, 5);
    click(form.cmdCardDelete);
    EXPECT_EQ(cards().size(), 4u);
    EXPECT_EQ(form.txtTitle.Text(), "CARD 4");
    EXPECT_EQ(form.lblCurrentCard.Caption(), "4 (4)");
}

TEST_F(DeleteCard, DeletingTheOnlyCardEmptiesTheWindow) {
    openNewSet(2);
    FrmCard2nd& form = showCard(1, 1);
    click(form.cmdCardDelete);
    EXPECT_TRUE(cards().empty());
    EXPECT_EQ(form.lblCurrentCard.Caption(), "0 (0)");
    EXPECT_EQ(form.lblCurrentCard.Tag(), "0");
    EXPECT_FALSE(form.pic2ndCard.Visible());
    EXPECT_FALSE(form.cmdCardDelete.Enabled());
    EXPECT_FALSE(form.cmdCardNav[0].Enabled());

    click(form.cmdCardDelete); // nothing left to delete
    click(form.cmdCardAdd);
    EXPECT_EQ(cards(), (Cards{{1, "CARD 1"}}));
}

// The followers are numbered in one statement and the card shown is found by its key, so
// deleting the first card costs as many statements in a large set as in a small one.
TEST_F(DeleteCard, DeletingTheFirstCardRunsAsManyStatementsInAnySetSize) {
    std::vector<int> counts;
    for (int size : {3, 30}) {
        openNewSet(2);
        FrmCard2nd& form = showCard(size, 1);
        int statements = 0;
        cnData->setStatementObserver([&](const QString&) { ++statements; });
        click(form.cmdCardDelete);
        cnData->setStatementObserver({});
        EXPECT_EQ(form.lblCurrentCard.Caption(), QStringLiteral("1 (%1)").arg(size - 1));
        counts.push_back(statements);
        frmCard2nd.unload();
    }
    EXPECT_EQ(counts[0], counts[1]);
}

TEST_F(DeleteCard, AFailedRenumberingRestoresTheDeletedCardAndTheNumbers) {
    openNewSet(2);
    FrmCard2nd& form = showCard(5, 2);
    const qint32 shown = form.shownCardID();
    cnData->execute("CREATE TRIGGER refuse BEFORE UPDATE OF Nr ON tblCardData WHEN NEW.Nr = 3 "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");

    click(form.cmdCardDelete); // card 3 moves to 2, card 4 cannot move to 3

    EXPECT_EQ(cards(), (Cards{{1, "CARD 1"}, {2, "CARD 2"}, {3, "CARD 3"}, {4, "CARD 4"}, {5, "CARD 5"}}));
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_EQ(folder.dialogs().messages()[0].title, "Delete card");
    EXPECT_EQ(form.shownCardID(), shown);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "2 (5)");

    click(form.cmdCardNav[2]); // the reopened recordset works on
    EXPECT_EQ(form.txtTitle.Text(), "CARD 3");
}
