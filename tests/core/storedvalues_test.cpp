// Values another tool or an older file left in the database: the start and the set change go
// on, a set that cannot be used is named once, no stored text goes into SQL, stored sizes stay
// within the card, and any value of a set's or a card's row that cannot be used is named once
// with its row and field while the batch still writes every card.
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCardBacks.h"
#include "frmCardType.h"
#include "frmCharacter2nd.h"
#include "frmCreate.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "mainwindowtest.h"
#include "modData.h"
#include "programfolder.h"
#include "testrows.h"

#include "forms/dialogs.h"
#include "runtime/vberror.h"

#include <QDir>
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

// As the user clicks them: an error the editor leaves is shown as the program shows it.
void moveThroughEveryEditor() {
    for (size_t index : {0, 2, 1, 3}) {
        frmCard2nd->cmdCardNav[index].Click();
        frmCharacter2nd->cmdCharNav[index].Click();
        frmLarge2nd->cmdCardNav[index].Click();
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
        {"SetName", "NULL", false},         {"EditionID", "NULL", true},  {"EditionID", "4", true},
        {"LanguageID", "'1 OR 1=1'", true}, {"LanguageID", "NULL", true}, {"LanguageID", "2.5", true},
        {"LanguageID", "1e12", true},
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
        // As the message said, no editor lists another edition's or language's rows.
        for (const ComboBox* list : {&frmCard2nd->cboType, &frmCard3rd->cboType, &frmCard3rd->cboCardBack,
                                     &frmCharacter2nd->cboStartArea, &frmCharacter2nd->cboAlignment})
            EXPECT_EQ(list->ListCount() == 0, value.reported) << list->widget()->objectName().toStdString();
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

    ASSERT_TRUE(Main());
    moveThroughEveryEditor();
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

namespace {
// Runs "Create all cards" for the small cards of the open set; the files it wrote.
qsizetype smallCardFilesWritten(const ProgramFolder& folder) {
    const QString output = folder.file(QStringLiteral("out"));
    QDir().mkpath(output);
    frmCreate->txtSaveTo.setText(output);
    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();
    frmCreate.unload();
    return QDir(output).entryList(QDir::Files).size();
}

} // namespace

// What the batch meets on cards no editor has shown is named in one message at its end, and
// every card is written.
TEST(StoredValues, TheBatchNamesTheValuesItMeetsTogetherAtItsEnd) {
    ProgramFolder folder;
    folder.openDatabase();
    const qint32 setID = addOpenSet(2, 1, {{"SetName", Variant("Broken")}});
    for (int nr : {1, 2, 3})
        insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(nr), {});
    writeRaw(QStringLiteral("tblSet"), QStringLiteral("CardTypeFontID = 2147483648"), setID);
    writeRaw(QStringLiteral("tblCard"), QStringLiteral("BGColour = 'abc', PicLeft = 1e300"), setID);
    closeDatabase();

    ASSERT_TRUE(Main());
    EXPECT_EQ(smallCardFilesWritten(folder), 3);
    const std::vector<ShownMessage>& shown = folder.dialogs().messages();
    ASSERT_EQ(shown.size(), 3u);
    // The set chosen at the start, with the card it shows first.
    EXPECT_TRUE(shown[0].prompt.contains("CardTypeFontID of the set \"Broken\""))
        << shown[0].prompt.toStdString();
    EXPECT_TRUE(shown[0].prompt.contains("BGColour of card 1 of the set \"Broken\""));
    EXPECT_EQ(shown[1].title, "Create cards");
    EXPECT_TRUE(shown[1].prompt.contains("BGColour of card 2 of the set \"Broken\""))
        << shown[1].prompt.toStdString();
    EXPECT_TRUE(shown[1].prompt.contains("BGColour of card 3 of the set \"Broken\""));
    EXPECT_FALSE(shown[1].prompt.contains("card 1"));
    EXPECT_EQ(shown[2].prompt, "Done creating cards.");
}

// A card back whose bytes are no picture is named once, however often a card shows it.
TEST(StoredValues, ACardBackThatIsNoPictureIsNamedOnce) {
    ProgramFolder folder;
    folder.openDatabase();
    addOpenSet(2);
    for (int nr : {1, 2})
        insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(nr), {});
    cnData->execute(QStringLiteral("UPDATE tblCardBack SET Picture = x'00010203' WHERE CardBackID = 1"));
    closeDatabase();

    ASSERT_TRUE(Main());
    frmCard2nd.get();
    for (int move : {2, 0, 2, 0})
        frmCard2nd->cmdCardNav[move].Click();
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(
        folder.dialogs().messages().front().prompt.contains("Picture of the card back \"Amber Checks\""))
        << folder.dialogs().messages().front().prompt.toStdString();
}

// A font row is read as warily as the set's own row: a text in its size gives the default size.
TEST(StoredValues, AFontRowWithATextForItsSizeStillWritesTheCards) {
    ProgramFolder folder;
    folder.openDatabase();
    addOpenSet(2);
    insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(1), {});
    cnData->execute(QStringLiteral("UPDATE tblFont SET Size = 'big', Bold = 'yes', Colour = x'00'"));
    closeDatabase();

    ASSERT_TRUE(Main());
    EXPECT_EQ(smallCardFilesWritten(folder), 1);
    QStringList prompts;
    for (const ShownMessage& shown : folder.dialogs().messages())
        prompts << shown.prompt;
    EXPECT_TRUE(prompts.join("\n").contains("Size of the font CardTypeFontID of the set \"Test set\""))
        << prompts.join("\n").toStdString();
    EXPECT_FALSE(prompts.join("\n").contains("Error ")) << prompts.join("\n").toStdString();
}

namespace {
// A value of each kind another tool can leave in a column: none, a text, a number past every
// column's range, and bytes that are no picture.
QString oddValue(int kind, ColumnType type) {
    switch (kind) {
    case 0:
        return QStringLiteral("NULL");
    case 1:
        return QStringLiteral("'abc'");
    case 2:
        return type == ColumnType::Double ? QStringLiteral("1e300") : QStringLiteral("2147483648");
    default:
        return QStringLiteral("x'00FF'");
    }
}

// A set that shows its symbol, whose cards show their pictures and a small card its artist.
void fillTheRows(qint32 setID) {
    const QString picture = QStringLiteral("x'%1'").arg(QString::fromLatin1(bmpBytes(8, 6).toHex()));
    writeRaw(QStringLiteral("tblSet"), QStringLiteral("UseSymbol = -1, Symbol = ") + picture, setID);
    writeRaw(QStringLiteral("tblCard"), QStringLiteral("Artist = 'Ann', Picture = ") + picture, setID);
    writeRaw(QStringLiteral("tblCharacter"),
             QStringLiteral("Picture = %1, PlayingPiece = %1, Background = %1").arg(picture), setID);
    writeRaw(QStringLiteral("tblLargeCard"), QStringLiteral("Picture = ") + picture, setID);
}

// A set whose name cannot be read is named by its number.
bool namesRowAndField(const ShownMessage& shown, const QString& column) {
    const bool set = shown.prompt.contains(QStringLiteral("\"Broken\"")) ||
                     (column == "SetName" && shown.prompt.contains(QStringLiteral("the set number")));
    return set && shown.prompt.contains(column, Qt::CaseInsensitive);
}
} // namespace

// The table, and the kind of value.
class OddStoredValue : public testing::TestWithParam<std::tuple<const char*, int>> {};

std::string oddValueName(const testing::TestParamInfo<OddStoredValue::ParamType>& param) {
    static const char* const kinds[] = {"Null", "Text", "Number", "Bytes"};
    return std::string(std::get<0>(param.param)) + kinds[std::get<1>(param.param)];
}

// Every column of a set's, a card's, a character's and a large card's row, as the column
// catalogue lists it, holding an odd value in one row: the editors show their rows, one
// message at most names the row and the field, and the batch writes every card.
TEST_P(OddStoredValue, IsReportedOnceAndEveryCardIsStillWritten) {
    const QString table = QString::fromLatin1(std::get<0>(GetParam()));
    std::vector<std::pair<QString, ColumnType>> columns;
    {
        ProgramFolder folder;
        folder.openDatabase();
        const RecordsetPtr rs = cnData->openSnapshot(QStringLiteral("SELECT * FROM ") + table);
        for (int i = 0; i < rs->fieldCount(); ++i)
            // The key holds only whole numbers; another set's key makes the row another set's.
            if (rs->fieldType(i) != ColumnType::Key && !(table != "tblSet" && rs->fieldName(i) == "SetID"))
                columns.emplace_back(rs->fieldName(i), rs->fieldType(i));
    }
    ASSERT_GT(columns.size(), 10u);

    for (const auto& [column, type] : columns) {
        const QString value = oddValue(std::get<1>(GetParam()), type);
        SCOPED_TRACE((table + "." + column + " = " + value).toStdString());
        ProgramFolder folder;
        folder.openDatabase();
        const qint32 setID = addSetWithRows();
        fillTheRows(setID);
        try {
            cnData->execute(QStringLiteral("UPDATE %1 SET %2 = %3 WHERE SetID = %4%5")
                                .arg(table, column, value)
                                .arg(setID)
                                .arg(table == "tblSet" ? QString() : QStringLiteral(" AND Nr = 1")));
        } catch (const VbError&) {
            continue; // the column refuses it (a Boolean is never Null)
        }
        closeDatabase();

        ASSERT_TRUE(Main());
        moveThroughEveryEditor();
        EXPECT_TRUE(frmCard2nd->cmdCardDelete.Enabled());
        EXPECT_TRUE(frmCharacter2nd->cmdCharacterDelete.Enabled());
        EXPECT_TRUE(frmLarge2nd->cmdCardDelete.Enabled());

        const QString output = folder.file(QStringLiteral("out"));
        ASSERT_TRUE(QDir().mkpath(output));
        frmCreate->txtSaveTo.setText(output);
        for (CheckBox* kind : {&frmCreate->chk2ndCard, &frmCreate->chk2ndChar, &frmCreate->chk2ndLarge})
            kind->setValue(vbChecked);
        frmCreate->cmdCreate.Click();
        frmCreate.unload();
        // A small card, two characters with their pieces, a large card. A set of no edition the
        // program knows writes none until it is mended in the set dialog, and says so.
        EXPECT_EQ(QDir(output).entryList(QDir::Files).size(), column == "EditionID" ? 0 : 6)
            << QDir(output).entryList(QDir::Files).join(", ").toStdString();

        std::vector<ShownMessage> shown = folder.dialogs().messages();
        const QString ending = column == "EditionID" ? "No card was created" : "Done creating cards.";
        ASSERT_FALSE(shown.empty());
        EXPECT_TRUE(shown.back().prompt.startsWith(ending)) << shown.back().prompt.toStdString();
        if (column != "EditionID") shown.pop_back();
        EXPECT_LE(shown.size(), column == "EditionID" ? 2u : 1u);
        for (const ShownMessage& m : shown)
            EXPECT_TRUE(namesRowAndField(m, column)) << m.prompt.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryColumn, OddStoredValue,
                         testing::Combine(testing::Values("tblSet", "tblCard", "tblCharacter",
                                                          "tblLargeCard"),
                                          testing::Range(0, 4)),
                         oddValueName);
