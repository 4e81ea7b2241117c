// The editors' side of their dialogs: a choice lands in the shown card, what the dialog
// stored is in the editor's lists afterwards however it closed, and the card list's order
// reaches the editor.
#include "frmCardBacks.h"
#include "frmCardList.h"
#include "frmCardType.h"
#include "frmCreate.h"
#include "smallcardfixture.h"

#include "modData.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>

namespace {
class DialogCallers : public SmallCardFixture {
protected:
    // Runs `act` on the dialog once the editor has shown it modally; `act` must close it.
    template <class F> static void whenShown(FormInstance<F>& dialog, std::function<void(F&)> act) {
        QTimer::singleShot(0, [&dialog, act] {
            F* shown = dialog.ifLoaded();
            if (!shown || !shown->Visible()) {
                ADD_FAILURE() << "the dialog was not shown";
                return;
            }
            act(*shown);
            if (shown->Visible()) {
                ADD_FAILURE() << "the dialog is still open";
                shown->Hide();
            }
        });
    }

    // The user's click on the item with that key.
    static void clickItem(ListView& list, const QString& key) {
        ListItem* item = list.FindListItem(key);
        ASSERT_NE(item, nullptr) << key.toStdString();
        list.setSelectedItem(item);
        list.ItemClick(*item);
    }

    static QStringList comboTexts(ComboBox& combo) {
        QStringList texts;
        const auto* box = static_cast<QComboBox*>(combo.widget());
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }

    static qint64 selectedData(ComboBox& combo) {
        return combo.ListIndex() < 0 ? -1 : combo.ItemData(combo.ListIndex());
    }
};

constexpr qint32 kEncounter = 1;
constexpr qint32 kTreasureRelic = 4;

TEST_F(DialogCallers, AChosenTypeTakesTheCornersButKeepsTheCardsNumber) {
    openNewSet(2);
    const qint32 card = insertCard(1, {{"CardTypeID", kEncounter}, {"Number", "7"}});
    FrmCard2nd& editor = frmCard2nd.get();
    whenShown<FrmCardType>(frmCardType, [](FrmCardType& dialog) {
        clickItem(dialog.lvType, QStringLiteral("CT%1").arg(kTreasureRelic));
        click(dialog.cmdOK);
    });
    click(editor.cmdGetType);

    EXPECT_FALSE(frmCardType.isLoaded());
    EXPECT_EQ(cardField(card, "CardTypeID").toLong(), kTreasureRelic);
    EXPECT_EQ(cardField(card, "Number").toText(), "7");
    EXPECT_EQ(editor.lblType[0].Caption(), "Treasure");
    EXPECT_EQ(editor.lblType[2].Caption(), "Relic");
    EXPECT_EQ(editor.lblNumber.Caption(), "7");
    EXPECT_EQ(selectedData(editor.cboType), kTreasureRelic);
    EXPECT_EQ(editor.cboNumber.Text(), "7"); // the combo's reselection wrote nothing
    // The lookup now holds every type, of every edition and language.
    const RecordsetPtr all = cnData->openSnapshot(QStringLiteral("SELECT CardTypeID FROM tblCardType"));
    EXPECT_EQ(rsCardType->recordCount(), all->recordCount());
}

TEST_F(DialogCallers, WhatADialogStoredIsListedAfterCancel) {
    openNewSet(2);
    const qint32 card = insertCard(1, {{"CardTypeID", kEncounter}});
    FrmCard2nd& editor = frmCard2nd.get();
    whenShown<FrmCardType>(frmCardType, [](FrmCardType& dialog) {
        dialog.txtUL.setText(QStringLiteral("Wyrm"));
        click(dialog.cmdNew);
        click(dialog.cmdCancel);
    });
    click(editor.cmdGetType);

    EXPECT_EQ(cardField(card, "CardTypeID").toLong(), kEncounter);
    EXPECT_TRUE(comboTexts(editor.cboType).contains(QStringLiteral("Wyrm ()")));
    EXPECT_EQ(selectedData(editor.cboType), kEncounter);
}

TEST_F(DialogCallers, ABackAddedInTheThirdEditionEditorIsAThirdEditionBack) {
    openNewSet(3);
    const qint32 card = insertCard(1);
    FrmCard3rd& editor = frmCard3rd.get();
    const QString picture = folder.file(QStringLiteral("sky.bmp"));
    {
        QFile file(picture);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bmpBytes(161, 245, Qt::blue));
    }
    folder.dialogs().answerOpenFile(picture);
    whenShown<FrmCardBacks>(frmCardBacks, [](FrmCardBacks& dialog) {
        dialog.txtBackText.setText(QStringLiteral("Sky"));
        click(dialog.cmdLoadPic);
        click(dialog.cmdNew);
        const RecordsetPtr added =
            cnData->openSnapshot(QStringLiteral("SELECT CardBackID FROM tblCardBack WHERE BackText = 'Sky'"));
        ASSERT_FALSE(added->eof());
        clickItem(dialog.lvCardBack, QStringLiteral("CB%1").arg(added->field("CardBackID").toLong()));
        click(dialog.cmdOK);
    });
    click(editor.cmdGetCardBack);

    const RecordsetPtr sky = cnData->openSnapshot(
        QStringLiteral("SELECT CardBackID, EditionID FROM tblCardBack WHERE BackText = 'Sky'"));
    ASSERT_FALSE(sky->eof());
    EXPECT_EQ(sky->field("EditionID").toLong(), 3);
    EXPECT_EQ(cardField(card, "CardBackID").toLong(), sky->field("CardBackID").toLong());
    EXPECT_TRUE(comboTexts(editor.cboCardBack).contains(QStringLiteral("Sky")));
    EXPECT_EQ(selectedData(editor.cboCardBack), sky->field("CardBackID").toLong());
    EXPECT_EQ(editor.picBack.Picture().width(), 161);
}

// However the list closes, the editor reads the new order and shows its card, or the one
// chosen; the position label counts the renumbered cards.
TEST_F(DialogCallers, TheEditorFollowsTheCardListsOrder) {
    openNewSet(2);
    const qint32 a = insertCard(1, {{"Title", "A"}});
    const qint32 b = insertCard(5, {{"Title", "B"}});
    const qint32 c = insertCard(9, {{"Title", "C"}});
    FrmCard2nd& editor = frmCard2nd.get();
    editor.cmdCardNav_Click(2); // B

    whenShown<FrmCardList>(frmCardList, [&](FrmCardList& dialog) {
        clickItem(dialog.lvCard, QStringLiteral("C%1").arg(c));
        click(dialog.cmdUp);
        click(dialog.cmdClose);
    });
    click(editor.cmdSort);
    EXPECT_FALSE(frmCardList.isLoaded());
    EXPECT_EQ(cards(), (std::vector<std::pair<int, QString>>{{1, "A"}, {2, "C"}, {3, "B"}}));
    EXPECT_EQ(editor.shownCardID(), b);
    EXPECT_EQ(editor.lblCurrentCard.Caption(), "3 (3)");
    editor.cmdCardNav_Click(1);
    EXPECT_EQ(editor.shownCardID(), c); // the editor's order is the new one

    // So is the batch's, which numbers the cards in the shared recordset's order.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("out")));
    setSetField("SaveTo", folder.file(QStringLiteral("out")));
    setSetField("FileCardNr", true);
    frmCreate->chk2ndCard.setValue(vbChecked);
    click(frmCreate->cmdCreate);
    frmCreate.unload();
    EXPECT_EQ(cards(), (std::vector<std::pair<int, QString>>{{1, "A"}, {2, "C"}, {3, "B"}}));
    EXPECT_EQ(QDir(folder.file(QStringLiteral("out"))).entryList(QDir::Files, QDir::Name),
              (QStringList{"C2 001 A.BMP", "C2 002 C.BMP", "C2 003 B.BMP"}));

    whenShown<FrmCardList>(frmCardList, [&](FrmCardList& dialog) {
        clickItem(dialog.lvCard, QStringLiteral("C%1").arg(a));
        click(dialog.cmdGoTo);
    });
    click(editor.cmdSort);
    EXPECT_EQ(editor.shownCardID(), a);
    EXPECT_EQ(editor.lblCurrentCard.Caption(), "1 (3)");
}

TEST_F(DialogCallers, TheThirdEditionOffersNeitherTypeDialogNorCardList) {
    openNewSet(3);
    insertCard(1);
    FrmCard3rd& editor = frmCard3rd.get();
    EXPECT_FALSE(editor.cmdGetType.Visible());
    EXPECT_FALSE(editor.cmdSort.Visible());
    EXPECT_TRUE(editor.cmdGetCardBack.Visible());
}
} // namespace
