// Values another tool or an older file left in the database: the start and the set change go
// on, a set that cannot be used is named once, no stored text goes into SQL, and stored sizes
// stay within the card.
#include "frmCard2nd.h"
#include "frmCardBacks.h"
#include "frmCardType.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "mainwindowtest.h"
#include "modData.h"
#include "programfolder.h"
#include "testrows.h"

#include "forms/dialogs.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
// A 2nd-edition set "Broken" of language 1 with two characters, a small card and a large card.
qint32 addSetWithRows() {
    const qint32 setID = addOpenSet(2, 1, {{"SetName", Variant("Broken")}});
    for (int nr : {1, 2})
        insertRow(QStringLiteral("tblCharacter"), QStringLiteral("CharacterID"), newCharacterValues(nr), {});
    insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(1), {});
    insertRow(QStringLiteral("tblLargeCard"), QStringLiteral("LargeCardID"), newLargeCardValues(1), {});
    return setID;
}

// Writes a value as another tool would: past the column's type.
void writeRaw(const QString& table, const QString& assignments, qint32 setID) {
    cnData->execute(QStringLiteral("UPDATE %1 SET %2 WHERE SetID = %3").arg(table, assignments).arg(setID));
}

// Lets go of the database, so that the start opens it afresh.
void closeDatabase() {
    for (RecordsetPtr* rs : {&rsSet, &rsCard, &rsCharacter, &rsLargeCard, &rsCardType, &rsCardBack,
                             &rsCharacterBack, &rsArea, &rsAlignment})
        rs->reset();
    cnData.reset();
}

qint32 startWithRawSetValue(const QString& column, const QString& sqlValue) {
    const qint32 setID = addSetWithRows();
    writeRaw(QStringLiteral("tblSet"), column + QStringLiteral(" = ") + sqlValue, setID);
    closeDatabase();
    return setID;
}

void moveThroughEveryEditor() {
    for (int index : {0, 2, 1, 3}) {
        frmCard2nd->cmdCardNav_Click(index);
        frmCharacter2nd->cmdCharNav_Click(index);
        frmLarge2nd->cmdCardNav_Click(index);
    }
}

struct StoredSetValue {
    const char* column;
    const char* sqlValue;
    bool reported; // the row cannot be used
};
} // namespace

TEST(StoredValues, StartGoesOnWithASetRowAnotherToolLeft) {
    const StoredSetValue cases[] = {
        {"SetName", "NULL", false},   {"EditionID", "NULL", true}, {"LanguageID", "'1 OR 1=1'", true},
        {"LanguageID", "NULL", true}, {"LanguageID", "2.5", true}, {"LanguageID", "1e12", true},
    };
    for (const StoredSetValue& value : cases) {
        SCOPED_TRACE(QStringLiteral("%1 = %2").arg(value.column, value.sqlValue).toStdString());
        ProgramFolder folder;
        folder.openDatabase();
        const qint32 setID = startWithRawSetValue(value.column, value.sqlValue);

        ASSERT_TRUE(Main());
        ASSERT_TRUE(frmMaster->Visible());
        EXPECT_EQ(iSetID, setID);
        const std::vector<ShownMessage>& messages = folder.dialogs().messages();
        ASSERT_EQ(messages.size(), value.reported ? 1u : 0u);
        if (value.reported) {
            EXPECT_TRUE(messages.front().prompt.contains(QStringLiteral("\"Broken\"")));
        }
        // The set can still be edited or deleted.
        EXPECT_EQ(frmMaster->cboSet.ListCount(), 1);
        EXPECT_TRUE(frmMaster->cmdEdit.Enabled());
        EXPECT_TRUE(frmMaster->cmdDelete.Enabled());

        moveThroughEveryEditor();
        EXPECT_EQ(messages.size(), value.reported ? 1u : 0u);
    }
}

using StoredSetChange = MainWindowTest;

TEST_F(StoredSetChange, UnusableSetCanBeMendedInTheSetDialogOrDeleted) {
    const qint32 good = newSet(QStringLiteral("Good"), 2);
    const qint32 mended = newSet(QStringLiteral("Mended"), 2);
    const qint32 deleted = newSet(QStringLiteral("Zapped"), 2);
    writeRaw(QStringLiteral("tblSet"), QStringLiteral("LanguageID = NULL"), mended);
    writeRaw(QStringLiteral("tblSet"), QStringLiteral("EditionID = 'two'"), deleted);
    const auto choose = [&](qint32 setID) {
        for (int i = 0; i < frmMaster->cboSet.ListCount(); ++i)
            if (frmMaster->cboSet.ItemData(i) == setID) frmMaster->cboSet.setListIndex(i);
    };

    choose(good);
    choose(mended);
    ASSERT_EQ(folder().dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder().dialogs().messages().back().prompt.contains(QStringLiteral("\"Mended\"")));
    EXPECT_EQ(frmCharacter2nd->cboAlignment.ListCount(), 0);
    answerSetDialog({confirmSet(QStringLiteral("Mended"), 2)});
    click(frmMaster->cmdEdit);
    EXPECT_EQ(iSetLanguageID, 1);
    EXPECT_GT(frmCharacter2nd->cboAlignment.ListCount(), 0);
    EXPECT_EQ(folder().dialogs().messages().size(), 1u);

    choose(deleted);
    ASSERT_EQ(folder().dialogs().messages().size(), 2u);
    folder().dialogs().answerMessageBox(vbYes);
    click(frmMaster->cmdDelete);
    EXPECT_EQ(countRows(QStringLiteral("SELECT SetID FROM tblSet WHERE SetID = %1").arg(deleted)), 0);
    EXPECT_EQ(countRows(QStringLiteral("SELECT SetID FROM tblSet")), 2);
}

// A key that went into SQL as it stands would list every language's rows.
TEST(StoredValues, AStoredLanguageGoesIntoSqlOnlyAsANumber) {
    for (const char* language : {"1", "'1 OR 1=1'"}) {
        SCOPED_TRACE(language);
        const bool listed = language == std::string("1");
        ProgramFolder folder;
        folder.openDatabase();
        startWithRawSetValue(QStringLiteral("LanguageID"), QString::fromLatin1(language));
        ASSERT_TRUE(Main());

        for (const RecordsetPtr& lookup : {rsCardType, rsCardBack, rsCharacterBack, rsArea, rsAlignment})
            EXPECT_EQ(lookup->recordCount() > 0, listed);
        for (const ComboBox* combo :
             {&frmCard2nd->cboType, &frmCard2nd->cboCardBack, &frmCharacter2nd->cboAlignment,
              &frmCharacter2nd->cboStartArea, &frmCharacter2nd->cboCharacterCardback})
            EXPECT_EQ(combo->ListCount() > 0, listed) << combo->widget()->objectName().toStdString();
        EXPECT_EQ(frmCardType->lvType.ListItemCount() > 0, listed);
        frmCardBacks->InitBacks(2);
        EXPECT_EQ(frmCardBacks->lvCardBack.ListItemCount() > 0, listed);
        EXPECT_FALSE(strSQL.contains(QStringLiteral("OR 1=1")));
        frmCardType.unload();
        frmCardBacks.unload();
    }
}

TEST(StoredValues, HugeStoredSizesAndOffsetsStayWithinTheCard) {
    ProgramFolder folder;
    folder.openDatabase();
    const qint32 setID = addSetWithRows();
    writeRaw(QStringLiteral("tblCard"),
             QStringLiteral("PicHeight = 20000000, PicTop = 1e300, PicLeft = -1e300"), setID);
    writeRaw(QStringLiteral("tblCharacter"),
             QStringLiteral(
                 "PicWidth = 20000000, PicTop = -1e300, PicLeft = 1e300, PPTop = 1e300, PPLeft = -1e300"),
             setID);
    writeRaw(QStringLiteral("tblLargeCard"),
             QStringLiteral("PicWidth = 20000000, PicTop = 1e300, PicLeft = 1e300"), setID);
    closeDatabase();

    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(Main());
    moveThroughEveryEditor();
    EXPECT_LT(timer.elapsed(), 5000);
    for (const ShownMessage& shown : folder.dialogs().messages())
        ADD_FAILURE() << shown.prompt.toStdString();

    const FrmCard2nd& card = frmCard2nd.get();
    EXPECT_LE(card.picFrame.Height(), card.picCard.Height());
    const FrmCharacter2nd& character = frmCharacter2nd.get();
    EXPECT_LE(character.picFrameCharacter.Width(), character.picCharacter.Width());
    const FrmLarge2nd& large = frmLarge2nd.get();
    EXPECT_LE(large.picFrameLarge.Width(), large.picCardLarge.Width());
    // Offsets at most a card's width or height away in twips: any further shows the same.
    for (const PictureBox* image : {&card.picImage, &character.picImageCharacter,
                                    &character.picPlayingPieceImage, &large.picImageLarge}) {
        SCOPED_TRACE(image->widget()->objectName().toStdString());
        EXPECT_LE(std::abs(image->Top()), 304 * 15);
        EXPECT_LE(std::abs(image->Left()), 304 * 15);
    }
}
