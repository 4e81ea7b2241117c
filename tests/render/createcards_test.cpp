#include "cardimagefixture.h"

#include "frmCard2nd.h"
#include "frmCreate.h"
#include "modData.h"

#include <QCoreApplication>
#include <QDir>

class CreateCardsTest : public CardImageFixture {
protected:
    CreateCardsTest() { openNewSet(2); }
    ~CreateCardsTest() override {
        frmCreate.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const std::vector<ShownMessage>& messages() const { return folder.dialogs().messages(); }
};

TEST_F(CreateCardsTest, RenumbersTheCardsAndWritesAFileForEach) {
    const qint32 first = insertCard(1, {{"Title", "Axe"}});
    const qint32 second = insertCard(3, {{"Title", "Bow"}});
    const qint32 third = insertCard(7, {{"Title", "Club"}});
    frmCard2nd.get();
    setSetField("FileCardNr", true);

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    EXPECT_EQ(rowField("tblCard", "CardID", first, "Nr").toInt(), 1);
    EXPECT_EQ(rowField("tblCard", "CardID", second, "Nr").toInt(), 2);
    EXPECT_EQ(rowField("tblCard", "CardID", third, "Nr").toInt(), 3);
    EXPECT_EQ(outputFiles(), (QStringList{"C2 001 Axe.BMP", "C2 002 Bow.BMP", "C2 003 Club.BMP"}));
    EXPECT_EQ(frmCreate->lblNr2ndCards.Caption(), "3");
    EXPECT_EQ(frmCreate->lblNr2ndChar.Caption(), "");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "Done creating cards.");
    EXPECT_EQ(messages()[0].style, 64);
}

TEST_F(CreateCardsTest, OptionsAreStoredInTheSetRowAtOnce) {
    frmCreate->txtSaveTo.setText("/tmp/cards");
    EXPECT_EQ(setField("SaveTo").toText(), "/tmp/cards");
    frmCreate->txtFilenamePrefix.setText("Set");
    EXPECT_EQ(setField("FilenamePrefix").toText(), "Set");
    frmCreate->chkNoBack.setValue(vbChecked);
    EXPECT_TRUE(setField("NoBack").toBool());
    frmCreate->chkReplaceSpace.setValue(vbChecked);
    EXPECT_TRUE(setField("ReplaceSpace").toBool());
    frmCreate->chkFileNr.setValue(vbChecked);
    EXPECT_TRUE(setField("FileCardNr").toBool());
    frmCreate->cboSaveFormat.setListIndex(2);
    EXPECT_EQ(setField("PicFormatID").toLong(), frmCreate->cboSaveFormat.ItemData(2));
}

TEST_F(CreateCardsTest, EmptyFolderIsRefused) {
    const qint32 cardID = insertCard(4);
    setSetField("SaveTo", "");
    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "You must firstselect a folder to save your cards in.");
    EXPECT_EQ(rowField("tblCard", "CardID", cardID, "Nr").toInt(), 4);
}

TEST_F(CreateCardsTest, AFailedWriteInTheBackgroundIsReportedOnceAndTheOtherFilesAreWritten) {
    insertCard(1, {{"Title", "Axe"}});
    insertCard(2, {{"Title", "Bow"}});
    insertCard(3, {{"Title", "Club"}});
    frmCard2nd.get();
    setSetField("FileCardNr", true);
    // A folder where the second card's file goes: its write fails on the worker thread.
    ASSERT_TRUE(QDir(outputFolder).mkdir("C2 002 Bow.BMP"));

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].prompt, "Something went wrong.");
    EXPECT_EQ(messages()[0].style, vbCritical);
    EXPECT_EQ(messages()[0].title, "Saving the card 2nd.");
    EXPECT_EQ(messages()[1].prompt, "Done creating cards.");
    EXPECT_EQ(outputFiles(), (QStringList{"C2 001 Axe.BMP", "C2 003 Club.BMP"}));
}

TEST_F(CreateCardsTest, OnlyNumbersThatChangeAreWritten) {
    insertCard(1, {{"Title", "Axe"}, {"FileName", "Axe"}});
    insertCard(2, {{"Title", "Bow"}, {"FileName", "Bow"}});
    const qint32 third = insertCard(5, {{"Title", "Club"}, {"FileName", "Club"}});
    frmCard2nd.get();
    std::vector<std::pair<qint64, QStringList>> cardWrites;
    cnData->setWriteObserver(
        [&](Connection::WriteKind, const QString& table, qint64 key, const QStringList& columns) {
            if (table == "tblCard") cardWrites.emplace_back(key, columns);
        });

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();
    cnData->setWriteObserver({});

    EXPECT_EQ(cardWrites, (std::vector<std::pair<qint64, QStringList>>{{third, {"Nr"}}}));
    EXPECT_EQ(rowField("tblCard", "CardID", third, "Nr").toInt(), 3);
}
