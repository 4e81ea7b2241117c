// Writes the database refuses, in every editor: the edit controls show what is stored and the
// message says that the change was not saved; showing a record never writes, and another
// program's lock ends a showing at its first read.
#include "editorfixture.h"
#include "frmCard2nd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "readonlyfolder.h"

#include "modData.h"

#include <QCoreApplication>

namespace {
class RefusedWrites : public EditorFixture {
protected:
    ~RefusedWrites() override {
        frmCard2nd.unload();
        frmCharacter2nd.unload();
        frmLarge2nd.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// A text field of an editor, with the box that edits it in its editor, loaded on first use.
struct EditedText {
    const char* table;
    const char* keyField;
    FieldValues (*values)(int nr);
    const char* field;
    TextBox& (*box)();
    CommandButton& (*next)();
};

const EditedText kEditedTexts[] = {
    {"tblCard", "CardID", newSmallCardValues, "Title", []() -> TextBox& { return frmCard2nd->txtTitle; },
     []() -> CommandButton& { return frmCard2nd->cmdCardNav[2]; }},
    {"tblCharacter", "CharacterID", newCharacterValues, "Name",
     []() -> TextBox& { return frmCharacter2nd->txtCharName; },
     []() -> CommandButton& { return frmCharacter2nd->cmdCharNav[2]; }},
    {"tblLargeCard", "LargeCardID", newLargeCardValues, "Information",
     []() -> TextBox& { return frmLarge2nd->txtInfoLarge; },
     []() -> CommandButton& { return frmLarge2nd->cmdCardNav[2]; }},
};
} // namespace

TEST_F(RefusedWrites, ATextRefusedUnderAnotherProgramsLockGoesBackToTheStoredOne) {
    addOpenSet(2);
    for (const EditedText& edited : kEditedTexts) {
        SCOPED_TRACE(edited.table);
        const qint32 id = insertRow(edited.table, edited.keyField, edited.values(1), {});
        TextBox& box = edited.box();
        box.setText("Stored");
        // A write elsewhere meanwhile: the record shown stays known without reading it again.
        insertRow("tblFont", "FontID", {{"Font", Variant("Arial")}}, {});
        const int messagesBefore = messageCount();

        const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());
        other->execute("BEGIN EXCLUSIVE");
        box.setText("Stored and more");
        EXPECT_EQ(box.Text(), "Stored");
        ASSERT_EQ(messageCount(), messagesBefore + 1);
        EXPECT_TRUE(folder.dialogs().messages().back().prompt.contains(
            "The change was not saved: the database is in use by another program."))
            << folder.dialogs().messages().back().prompt.toStdString();
        EXPECT_FALSE(folder.dialogs().messages().back().prompt.contains("Error"));
        other->execute("ROLLBACK");

        const RecordsetPtr row = cnData->openSnapshot(
            QStringLiteral("SELECT * FROM %1 WHERE %2 = %3").arg(edited.table, edited.keyField).arg(id));
        EXPECT_EQ(row->field(edited.field).toText(), "Stored");
    }
}

TEST_F(RefusedWrites, MovingToAnotherCardUnderAnotherProgramsLockStopsAtTheFirstRead) {
    addOpenSet(2);
    for (const EditedText& edited : kEditedTexts) {
        SCOPED_TRACE(edited.table);
        insertRow(edited.table, edited.keyField, edited.values(1), {});
        insertRow(edited.table, edited.keyField, edited.values(2), {});
        const QString shown = edited.box().Text();
        const int messagesBefore = messageCount();
        int statements = 0;
        cnData->setStatementObserver([&](const QString&) { ++statements; });

        const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());
        other->execute("BEGIN EXCLUSIVE");
        click(edited.next());
        other->execute("ROLLBACK");
        cnData->setStatementObserver({});

        EXPECT_EQ(statements, 1);
        ASSERT_EQ(messageCount(), messagesBefore + 1);
        EXPECT_EQ(folder.dialogs().messages().back().prompt,
                  "Error while drawing the card.\r\n\r\nThe database is in use by another program.");
        EXPECT_EQ(edited.box().Text(), shown);
    }
}

// Options another program stored in its own way (True as 1) or that differ from the boxes'
// first state: showing them changes the boxes, which must not write them back.
TEST_F(RefusedWrites, EditorsShowingTheirRecordsInAReadOnlyFolderWriteNothing) {
    addOpenSet(2);
    insertRow("tblCharacter", "CharacterID", newCharacterValues(1), {});
    cnData->execute("UPDATE tblCharacter SET UsePicture = 1, UseFrame = 1");
    const FieldValues cleared{{"UsePicture", Variant(false)}, {"UseFrame", Variant(false)}};
    insertRow("tblLargeCard", "LargeCardID", newLargeCardValues(1), cleared);
    insertRow("tblCard", "CardID", newSmallCardValues(1), cleared);
    QStringList written;
    cnData->setWriteObserver(
        [&](Connection::WriteKind, const QString& table, qint64, const QStringList& columns) {
            written << table + ": " + columns.join(", ");
        });
    {
        const ReadOnlyFolder readOnly(folder.path());
        frmCharacter2nd.get();
        frmLarge2nd.get();
        frmCard2nd.get();
    }
    cnData->setWriteObserver({});
    EXPECT_TRUE(written.isEmpty()) << written.join("; ").toStdString();
    ASSERT_EQ(messageCount(), 0) << folder.dialogs().messages().front().prompt.toStdString();
}

// The work file of the pictures cannot be written there: the preview shows them all the same.
TEST_F(RefusedWrites, ACardInAReadOnlyFolderShowsItsPicture) {
    addOpenSet(2);
    insertRow("tblCard", "CardID", newSmallCardValues(1), {{"Picture", Variant(bmpBytes(40, 30))}});
    const ReadOnlyFolder readOnly(folder.path());
    EXPECT_FALSE(frmCard2nd->picImage.Picture().isNull());
}

// The completion of a lone S is stored by the nested change: refused there, it is reported once.
TEST_F(RefusedWrites, ARefusedBoldTextCompletionIsReportedOnce) {
    addOpenSet(2);
    insertRow("tblCard", "CardID", newSmallCardValues(1), {{"BoldText", Variant("CRAFT ")}});
    TextBox& box = frmCard2nd->txtBold;
    const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());
    other->execute("BEGIN EXCLUSIVE");
    box.setText("S");
    EXPECT_EQ(box.Text(), "CRAFT ");
    EXPECT_EQ(messageCount(), 1);
    other->execute("ROLLBACK");
}
