// Initialisation, navigation and refresh: which card is shown, the window's two states,
// showing never writing, and writes landing in the card shown although the other editor
// moved the shared recordset.
#include "smallcardfixture.h"

#include "modData.h"
#include "runtime/app.h"
#include "runtime/vberror.h"

#include <QStringList>

namespace {
class Navigation : public SmallCardFixture {
protected:
    void addCards(int count) {
        for (int nr = 1; nr <= count; ++nr)
            ids.push_back(insertCard(nr));
    }
    std::vector<qint32> ids;
};
} // namespace

TEST_F(Navigation, AnEmptySetShowsNoCardAndLeavesOnlyAddEnabled) {
    openNewSet(2);
    FrmCard2nd& form = frmCard2nd.get();
    EXPECT_EQ(form.lblCurrentCard.Tag(), "0");
    EXPECT_EQ(form.lblCurrentCard.Caption(), "0 (0)");
    EXPECT_FALSE(form.pic2ndCard.Visible());
    EXPECT_FALSE(form.picCardRest.Visible());
    EXPECT_FALSE(form.cmdCardDelete.Enabled());
    EXPECT_FALSE(form.lblCurrentCard.Enabled());
    EXPECT_FALSE(form.cmdSort.Enabled());
    for (CommandButton& button : form.cmdCardNav)
        EXPECT_FALSE(button.Enabled());
    EXPECT_TRUE(form.cmdCardAdd.Enabled());
    EXPECT_TRUE(form.cmdStat.Enabled());
    EXPECT_EQ(form.shownCardID(), 0);

    form.UpdateDisplay(); // nothing to show
    form.cmdCardNav_Click(-1);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "0 (0)");
}

TEST_F(Navigation, InitialisationFillsTheListsAndShowsTheFirstCard) {
    openNewSet(2);
    addCards(3);
    FrmCard2nd& form = frmCard2nd.get();

    EXPECT_EQ(form.cboType.ListCount(), 6); // the 2nd-edition types of the language
    EXPECT_EQ(form.cboCardBack.ListCount(), 2);
    EXPECT_EQ(form.shownCardID(), ids[0]);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "1 (3)");
    EXPECT_EQ(form.txtTitle.Text(), "CARD 1");
    EXPECT_EQ(form.cboType.Text(), "Encounter (1)"); // the card's type, CardTypeID 1
    EXPECT_EQ(form.cboNumber.Text(), "1");
    EXPECT_EQ(form.udCopy.Value(), 1);
    EXPECT_EQ(form.txtCopy.Text(), "1");
    EXPECT_EQ(form.chkShowPicture.Value(), 1);
    EXPECT_EQ(form.chkOneLine.Value(), 0);
    EXPECT_EQ(form.lblPicDim.Caption(), "139W * 105H");
    EXPECT_EQ(form.picColour.BackColor(), 0xFFFFFF);
    EXPECT_EQ(form.lblWatermark.Caption(), QStringLiteral("ZQJ %1.%2").arg(App::Major()).arg(App::Minor()));

    // Choosing each number in turn (which stores it) reads the list back.
    QStringList numbers;
    for (int i = 0; i < form.cboNumber.ListCount(); ++i) {
        form.cboNumber.setListIndex(i);
        numbers << form.cboNumber.Text();
    }
    EXPECT_EQ(numbers, (QStringList{"1", "2", "3", "4", "5", "6"}));
}

TEST_F(Navigation, ButtonsMoveAndStopAtBothEnds) {
    openNewSet(2);
    addCards(3);
    FrmCard2nd& form = frmCard2nd.get();
    const auto press = [&](int index) {
        click(form.cmdCardNav[size_t(index)]);
        return form.lblCurrentCard.Caption();
    };
    EXPECT_EQ(press(1), "1 (3)"); // previous on the first card stays
    EXPECT_EQ(press(2), "2 (3)");
    EXPECT_EQ(form.shownCardID(), ids[1]);
    EXPECT_EQ(form.txtTitle.Text(), "CARD 2");
    EXPECT_EQ(press(3), "3 (3)");
    EXPECT_EQ(press(2), "3 (3)"); // next on the last card stays
    form.cmdCardNav_Click(-1);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "3 (3)");
    EXPECT_EQ(press(1), "2 (3)");
    EXPECT_EQ(press(0), "1 (3)");
    EXPECT_EQ(form.shownCardID(), ids[0]);
}

// A card whose type or back is not in the editor's lists (another edition's, a deleted row's)
// leaves them without a choice, also after a card that had one; showing it writes nothing.
TEST_F(Navigation, ACardOutsideTheListsLeavesThemWithoutAChoice) {
    const FieldValues thirdEdition{{"CardTypeID", Variant(8)}, {"CardBackID", Variant(3)}};
    const struct {
        const char* name;
        qint16 edition;
        FieldValues listed; // the card shown first
        FieldValues outside;
    } cases[] = {
        {"3rd-edition type and back in a 2nd-edition set", 2, {}, thirdEdition},
        {"2nd-edition type and back in a set made 3rd edition", 3, thirdEdition, {}},
        {"deleted type and back", 2, {}, {{"CardTypeID", Variant(999)}, {"CardBackID", Variant(999)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openNewSet(c.edition);
        insertCard(1, c.listed);
        const qint32 outside = insertCard(2, c.outside);
        SmallCardEditor& form = c.edition == 2 ? static_cast<SmallCardEditor&>(frmCard2nd.get())
                                               : static_cast<SmallCardEditor&>(frmCard3rd.get());
        int writes = 0;
        cnData->setWriteObserver(
            [&](Connection::WriteKind, const QString&, qint64, const QStringList&) { ++writes; });
        click(form.cmdCardNav[2]);
        cnData->setWriteObserver({});
        ASSERT_EQ(form.shownCardID(), outside);
        EXPECT_EQ(form.cboType.ListIndex(), -1);
        EXPECT_EQ(form.cboCardBack.ListIndex(), -1);
        EXPECT_EQ(form.lblType[0].Caption(), ""); // as printed: no corner texts for it
        EXPECT_EQ(writes, 0);
        EXPECT_TRUE(folder.dialogs().messages().empty());
        frmCard2nd.unload();
        frmCard3rd.unload();
    }
}

TEST_F(Navigation, ShowingCardsWritesNothing) {
    openNewSet(2);
    addCards(3);
    int writes = 0;
    cnData->setWriteObserver(
        [&](Connection::WriteKind, const QString&, qint64, const QStringList&) { ++writes; });
    FrmCard2nd& form = frmCard2nd.get();
    for (int index : {2, 3, 1, 0})
        click(form.cmdCardNav[size_t(index)]);
    form.UpdateDisplay();
    form.InitCard2nd();
    frmCard3rd.get().UpdateDisplay();
    EXPECT_EQ(writes, 0);
}

TEST_F(Navigation, UpdateDisplayKeepsTheCardShown) {
    openNewSet(2);
    addCards(3);
    FrmCard2nd& form = frmCard2nd.get();
    click(form.cmdCardNav[2]);
    rsCard->moveLast(); // as a batch leaves it
    setSetField("Autonumber", true);
    form.UpdateDisplay();
    EXPECT_EQ(form.shownCardID(), ids[1]);
    EXPECT_EQ(form.lblCurrentCard.Caption(), "2 (3)");
    EXPECT_TRUE(form.lblAutonumber.Visible());
    EXPECT_EQ(form.lblAutonumber.Caption(), "2");
}

TEST_F(Navigation, EditsLandInTheShownCardAfterTheOtherEditorMovedTheRecordset) {
    openNewSet(2);
    addCards(3);
    FrmCard2nd& card2nd = frmCard2nd.get();
    click(card2nd.cmdCardNav[2]);
    ASSERT_EQ(card2nd.shownCardID(), ids[1]);
    frmCard3rd.get(); // its initialiser reopens rsCard on the first card
    ASSERT_EQ(rsCard->field("CardID").toLong(), ids[0]);

    card2nd.writeCardField("Title", QStringLiteral("Edited"));
    EXPECT_EQ(cardField(ids[1], "Title").toText(), "Edited");
    EXPECT_EQ(cardField(ids[0], "Title").toText(), "CARD 1");

    rsCard->moveLast();
    click(card2nd.cmdCardNav[2]); // "next" goes on from the card shown
    EXPECT_EQ(card2nd.shownCardID(), ids[2]);

    frmCard3rd->InitCard3rd();
    click(card2nd.cmdCardDelete);
    EXPECT_EQ(cards(), (std::vector<std::pair<int, QString>>{{1, "CARD 1"}, {2, "Edited"}}));
}

TEST_F(Navigation, AFailedEditIsCancelled) {
    openNewSet(2);
    addCards(1);
    FrmCard2nd& form = frmCard2nd.get();
    EXPECT_THROW(form.writeCardField("Nr", 40000), VbError); // past the 16-bit range
    EXPECT_FALSE(rsCard->isEditing());
    form.writeCardField("Title", QStringLiteral("Next"));
    EXPECT_EQ(cardField(ids[0], "Nr").toLong(), 1);
    EXPECT_EQ(cardField(ids[0], "Title").toText(), "Next");
}
