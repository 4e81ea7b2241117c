// Choosing the open set, and the two set options of the main window: autonumber and symbol.
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmMaster.h"
#include "mainwindowtest.h"
#include "modData.h"
#include "runtime/files.h"
#include "testrows.h"

#include <QFile>

namespace {
RecordsetPtr setRow(qint32 setID) {
    return GetRecordset(QStringLiteral("SELECT * FROM tblSet WHERE SetID = %1").arg(setID));
}

// Every row of the lookup belongs to the edition (when it has one) and the language.
void expectLookup(const RecordsetPtr& lookup, int edition, int language, bool hasEdition = true) {
    ASSERT_TRUE(lookup);
    EXPECT_GT(lookup->recordCount(), 0);
    for (lookup->moveFirst(); !lookup->eof(); lookup->moveNext()) {
        if (hasEdition) {
            EXPECT_EQ(lookup->field(QStringLiteral("EditionID")).toInt(), edition);
        }
        EXPECT_EQ(lookup->field(QStringLiteral("LanguageID")).toInt(), language);
    }
}

void addCard(qint32 setID, const QString& title) {
    insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(1),
              {{"SetID", Variant(qint64(setID))}, {"Title", Variant(title)}});
}

void setSymbolColumns(qint32 setID, bool useSymbol, const QByteArray& bytes) {
    RecordsetPtr live;
    OpenRecordset(QStringLiteral("SELECT * FROM tblSet WHERE SetID = %1").arg(setID), live);
    live->field(QStringLiteral("UseSymbol")) = useSymbol;
    live->field(QStringLiteral("Symbol")) = bytes;
    live->update();
}
} // namespace

using SetSelection = MainWindowTest;

TEST_F(SetSelection, ChoosingAnItemOpensThatSetEvenAmongEqualNames) {
    const qint32 first = newSet(QStringLiteral("Twin"), 2);
    const qint32 second = newSet(QStringLiteral("Twin"), 3, 1);
    for (int index : {0, 1}) {
        frmMaster->cboSet.setListIndex(index);
        const qint32 chosen = qint32(frmMaster->cboSet.ItemData(index));
        EXPECT_EQ(iSetID, chosen);
        EXPECT_EQ(rsSet->field(QStringLiteral("SetID")).toLong(), chosen);
        EXPECT_EQ(iSetEditionID, chosen == second ? 3 : 2);
        EXPECT_EQ(iSetLanguageID, chosen == second ? 2 : 1);
    }
    EXPECT_NE(first, second);
}

TEST_F(SetSelection, LookupsFollowTheSetsEditionAndLanguage) {
    newSet(QStringLiteral("A"), 2);
    newSet(QStringLiteral("B"), 3, 1);
    frmMaster->cboSet.setListIndex(1);
    expectLookup(rsCardType, 3, 2);
    expectLookup(rsCardBack, 3, 2);
    expectLookup(rsAlignment, 0, 2, false);
    frmMaster->cboSet.setListIndex(0);
    expectLookup(rsCardType, 2, 1);
    expectLookup(rsCardBack, 2, 1);
    expectLookup(rsCharacterBack, 2, 1);
    expectLookup(rsArea, 2, 1);
    expectLookup(rsAlignment, 0, 1, false);
}

TEST_F(SetSelection, TheSmallCardEditorsFollowTheOpenSet) {
    const qint32 empty = newSet(QStringLiteral("A empty"), 2);
    const qint32 withCard = newSet(QStringLiteral("B with a card"), 2);
    addCard(withCard, QStringLiteral("Only card"));
    EXPECT_TRUE(frmCard2nd.isLoaded());
    EXPECT_FALSE(frmCard3rd.isLoaded()); // a set change never loads it

    frmMaster->cboSet.setListIndex(0);
    EXPECT_EQ(iSetID, empty);
    EXPECT_EQ(rsCard->recordCount(), 0);
    frmCard3rd.get();
    frmMaster->cboSet.setListIndex(1);
    ASSERT_EQ(rsCard->recordCount(), 1);
    EXPECT_EQ(rsCard->field(QStringLiteral("SetID")).toLong(), withCard);
    EXPECT_EQ(frmCard2nd->txtTitle.Text(), "Only card");
    // The 3rd-edition editor, loaded, was initialised for the new set too.
    EXPECT_EQ(frmCard3rd->lblCurrentCard.Caption(), "1 (1)");
}

// Another program holds the database: the set box goes back to the set the editors show.
TEST_F(SetSelection, ASetThatCannotBeReadLeavesTheBoxOnTheSetTheEditorsShow) {
    const qint32 shown = newSet(QStringLiteral("A shown"), 2);
    newSet(QStringLiteral("B chosen"), 3, 1);
    frmMaster->cboSet.setListIndex(0);
    const RecordsetPtr cardTypes = rsCardType;
    const std::shared_ptr<Connection> other = Connection::open(folder().databasePath());
    other->execute("BEGIN EXCLUSIVE");
    frmMaster->cboSet.setListIndex(1);
    EXPECT_EQ(frmMaster->cboSet.Text(), "A shown");
    EXPECT_EQ(iSetID, shown);
    EXPECT_EQ(iSetEditionID, 2);
    EXPECT_EQ(rsCardType, cardTypes);
    other->execute("ROLLBACK");
    frmMaster->cboSet.setListIndex(1); // once it lets go
    EXPECT_EQ(iSetEditionID, 3);
}

TEST_F(SetSelection, AutonumberIsWrittenAtOnceAndShownWithoutWriting) {
    const qint32 setID = newSet(QStringLiteral("Numbered"), 2);
    frmMaster->chkAutonumber.setValue(vbChecked);
    EXPECT_TRUE(setRow(setID)->field(QStringLiteral("Autonumber")).toBool());
    EXPECT_FALSE(frmCard3rd.isLoaded()); // refreshing never loads an editor

    int setWrites = 0;
    cnData->setWriteObserver([&](Connection::WriteKind, const QString& table, qint64, const QStringList&) {
        if (table.compare(QLatin1String("tblSet"), Qt::CaseInsensitive) == 0) ++setWrites;
    });
    frmMaster->InitialiseSet();
    EXPECT_EQ(frmMaster->chkAutonumber.Value(), vbChecked);
    EXPECT_EQ(setWrites, 0);
    cnData->setWriteObserver({});

    frmMaster->chkAutonumber.setValue(vbUnchecked);
    EXPECT_FALSE(setRow(setID)->field(QStringLiteral("Autonumber")).toBool());
}

TEST_F(SetSelection, AnAutonumberTheDatabaseRefusesIsNotShownAsSet) {
    const qint32 setID = newSet(QStringLiteral("Numbered"), 2);
    const std::shared_ptr<Connection> other = Connection::open(folder().databasePath());
    other->execute("BEGIN EXCLUSIVE");
    frmMaster->chkAutonumber.setValue(vbChecked);
    EXPECT_EQ(frmMaster->chkAutonumber.Value(), vbUnchecked);
    ASSERT_FALSE(folder().dialogs().messages().empty());
    EXPECT_TRUE(folder().dialogs().messages().back().prompt.contains("The change was not saved"));
    other->execute("ROLLBACK");
    EXPECT_FALSE(setRow(setID)->field(QStringLiteral("Autonumber")).toBool());
}

TEST_F(SetSelection, ARemovalOfTheSymbolTheDatabaseRefusesKeepsItShown) {
    const qint32 setID = newSet(QStringLiteral("Symbolic"), 2);
    const QString path = folder().file(QStringLiteral("symbol.bmp"));
    writeBitmap(path, 8, 6);
    folder().dialogs().answerOpenFile(path);
    click(frmMaster->cmdSymbolAdd);
    ASSERT_TRUE(frmMaster->picSetSymbol.Visible());
    const std::shared_ptr<Connection> other = Connection::open(folder().databasePath());
    other->execute("BEGIN EXCLUSIVE");
    click(frmMaster->cmdSymbolDel);
    EXPECT_TRUE(frmMaster->picSetSymbol.Visible());
    EXPECT_FALSE(frmMaster->picSetSymbol.Picture().isNull());
    ASSERT_FALSE(folder().dialogs().messages().empty());
    EXPECT_TRUE(folder().dialogs().messages().back().prompt.contains("The change was not saved"));
    other->execute("ROLLBACK");
    EXPECT_TRUE(setRow(setID)->field(QStringLiteral("UseSymbol")).toBool());
}

TEST_F(SetSelection, SymbolIsChosenStoredAndShown) {
    const qint32 setID = newSet(QStringLiteral("Symbolic"), 2);
    EXPECT_FALSE(frmMaster->picSetSymbol.Visible());
    const QString path = folder().file(QStringLiteral("symbol.bmp"));
    writeBitmap(path, 8, 6);
    folder().dialogs().answerOpenFile(path);
    click(frmMaster->cmdSymbolAdd);

    ASSERT_EQ(folder().dialogs().requests().size(), 1u);
    const FileDialogRequest& asked = folder().dialogs().requests().front().file;
    EXPECT_EQ(asked.title, "Choose picture");
    EXPECT_EQ(asked.filter, "All files(*.*)|*.*|Picture files (*.bmp;*.jpg;*.gif;*.wmf)|"
                            "*.bmp;*.jpg;*.jpeg;*.jpe;*.jfif;*.gif;*.wmf");
    EXPECT_EQ(asked.filterIndex, 2);
    EXPECT_EQ(asked.defaultExtension, "bmp");
    EXPECT_TRUE(asked.mustExist);

    const RecordsetPtr row = setRow(setID);
    EXPECT_TRUE(row->field(QStringLiteral("UseSymbol")).toBool());
    EXPECT_EQ(row->field(QStringLiteral("Symbol")).toBytes(), ReadFileBytes(path));
    EXPECT_TRUE(frmMaster->picSetSymbol.Visible());
    EXPECT_EQ(frmMaster->picSetSymbol.Picture().width(), 8);
    EXPECT_EQ(frmMaster->picSetSymbol.Picture().height(), 6);
}

// Of the files that are no symbol, only a picture too large is told, as for a card's picture.
TEST_F(SetSelection, CancelledUnreadableOrTooLargeSymbolChangesNothing) {
    const qint32 setID = newSet(QStringLiteral("Plain"), 2);
    const QString text = folder().file(QStringLiteral("notes.bmp"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    const QString large = folder().file(QStringLiteral("large.bmp"));
    writeBitmap(large, 8, 8);
    QFile bitmap(large);
    ASSERT_TRUE(bitmap.open(QIODevice::ReadWrite) && bitmap.seek(18)); // width and height: 8192 by 4097
    bitmap.write(QByteArray("\x00\x20\x00\x00\x01\x10\x00\x00", 8));
    bitmap.close();
    for (const std::optional<QString>& chosen :
         {std::optional<QString>(), std::optional(text), std::optional(large)}) {
        folder().dialogs().answerOpenFile(chosen);
        click(frmMaster->cmdSymbolAdd);
    }

    ASSERT_EQ(folder().dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder().dialogs().messages().front().prompt.contains("too large"));
    const RecordsetPtr row = setRow(setID);
    EXPECT_FALSE(row->field(QStringLiteral("UseSymbol")).toBool());
    EXPECT_TRUE(row->field(QStringLiteral("Symbol")).isNull());
    EXPECT_FALSE(frmMaster->picSetSymbol.Visible());
    EXPECT_FALSE(rsSet->isEditing());
}

TEST_F(SetSelection, RemovingTheSymbolKeepsItsBytesAndANewOneReplacesThem) {
    const qint32 setID = newSet(QStringLiteral("Symbolic"), 2);
    const QString first = folder().file(QStringLiteral("first.bmp"));
    const QString second = folder().file(QStringLiteral("second.bmp"));
    writeBitmap(first, 4, 4);
    writeBitmap(second, 5, 3);
    folder().dialogs().answerOpenFile(first);
    click(frmMaster->cmdSymbolAdd);

    click(frmMaster->cmdSymbolDel);
    EXPECT_FALSE(frmMaster->picSetSymbol.Visible());
    EXPECT_TRUE(frmMaster->picSetSymbol.Picture().isNull());
    EXPECT_FALSE(setRow(setID)->field(QStringLiteral("UseSymbol")).toBool());
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("Symbol")).toBytes(), ReadFileBytes(first));
    // Opened again, the set shows no symbol.
    frmMaster->InitialiseSet();
    EXPECT_FALSE(frmMaster->picSetSymbol.Visible());
    EXPECT_TRUE(frmMaster->picSetSymbol.Picture().isNull());

    folder().dialogs().answerOpenFile(second);
    click(frmMaster->cmdSymbolAdd);
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("Symbol")).toBytes(), ReadFileBytes(second));
}

TEST_F(SetSelection, OpeningASetShowsItsSymbolOnlyWhenInUse) {
    const qint32 used = newSet(QStringLiteral("A used"), 2);
    const qint32 unused = newSet(QStringLiteral("B unused"), 2);
    const QString path = folder().file(QStringLiteral("symbol.bmp"));
    writeBitmap(path, 7, 9);
    setSymbolColumns(used, true, ReadFileBytes(path));
    setSymbolColumns(unused, false, ReadFileBytes(path));

    frmMaster->cboSet.setListIndex(0);
    EXPECT_TRUE(frmMaster->picSetSymbol.Visible());
    EXPECT_EQ(frmMaster->picSetSymbol.Picture().width(), 7);
    frmMaster->cboSet.setListIndex(1);
    EXPECT_FALSE(frmMaster->picSetSymbol.Visible());
    EXPECT_TRUE(frmMaster->picSetSymbol.Picture().isNull());
}
