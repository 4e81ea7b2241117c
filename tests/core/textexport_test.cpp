// The text export of a set: the file's lines and its suggested name, and a failed export.
#include "frmMaster.h"
#include "mainwindowtest.h"
#include "modData.h"
#include "testrows.h"

#include "runtime/files.h"

#include <QDir>
#include <QFileInfo>
#include <QToolButton>

namespace {
class TextExport : public MainWindowTest {
protected:
    TextExport() { addOpenSet(2, 1, {{"SetName", Variant("Zwölf/Set")}}); }

    // Chooses `path` in the save dialog of "Export all texts".
    void exportTo(const std::optional<QString>& path) {
        folder().dialogs().answerSaveFile(path);
        frmMaster->tbar.widget()->findChild<QToolButton*>(QStringLiteral("exporttotext"))->click();
    }

    const QString target = folder().file(QStringLiteral("set.txt"));
};

void addHero() {
    insertRow("tblCharacter", "CharacterID", newCharacterValues(1),
              {{"Name", Variant("MÜHLE")}, {"Strength", Variant("---")}, {"Craft", Variant("+3")}});
}

const char* const kHero = "MÜHLE\r\nStrength:   \r\nCraft:      +3\r\nGold:       1\r\nLives:      4\r\n"
                          "Alignment:  Twilight\r\nStart area: Highland - Lookout\r\nAbilities:  \r\n \r\n"
                          "---------------\r\n";
} // namespace

TEST_F(TextExport, WritesTheHeaderAndOneBlockPerCardLargeCardAndCharacter) {
    const struct {
        const char* what;
        std::function<void()> rows;
        QString blocks;
    } cases[] = {
        {"an empty set", [] {}, QString()},
        {"only characters", addHero, QStringLiteral("1 Characters\r\n \r\n") + kHero},
        {"every kind",
         [] {
             insertRow("tblCard", "CardID", newSmallCardValues(2), {{"Information", Variant("One\r\nTwo")}});
             insertRow("tblCard", "CardID", newSmallCardValues(1), {{"BoldText", Variant(" ")}});
             insertRow("tblCard", "CardID", newSmallCardValues(1), {{"SetID", Variant(iSetID + 1)}});
             insertRow("tblLargeCard", "LargeCardID", newLargeCardValues(1),
                       {{"Title", Variant("BIG\r\nONE")}});
             insertRow("tblCharacter", "CharacterID", newCharacterValues(2),
                       {{"AlignmentID", Variant(99)}, {"StartingAreaID", Variant(999)}});
             addHero();
         },
         QStringLiteral("2 Cards\r\n \r\n"
                        "CARD 1\r\nNr:   1\r\nBold:  \r\nText: \r\n \r\n---------------\r\n"
                        "CARD 2\r\nNr:   2\r\nText: One\r\nTwo\r\n \r\n---------------\r\n"
                        " \r\n1 Large Cards\r\n \r\n"
                        "BIG\r\nONE\r\nNr: 1\r\nText: \r\n \r\n---------------\r\n"
                        "2 Characters\r\n \r\n") +
             kHero +
             "CHARACTER 2\r\nStrength:   3\r\nCraft:      3\r\nGold:       1\r\nLives:      4\r\n"
             "Alignment:  \r\nStart area:  - \r\nAbilities:  \r\n \r\n---------------\r\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        cnData->execute("DELETE FROM tblCard; DELETE FROM tblLargeCard; DELETE FROM tblCharacter");
        test.rows();
        // An earlier, longer file is replaced whole.
        WriteFileBytes(target, QByteArray(4000, 'x'));
        // What a killed export left in the folder goes; the user's own files stay.
        WriteFileBytes(folder().file(".zqj-0123456789abcdef.tmp"), "partial");
        WriteFileBytes(folder().file(".zqj-notes.tmp"), "user's");
        exportTo(target);
        EXPECT_EQ(QDir(folder().path()).entryList({".zqj-*"}, QDir::Files | QDir::Hidden),
                  QStringList{".zqj-notes.tmp"});
        EXPECT_EQ(QString::fromUtf8(ReadFileBytes(target)),
                  "Created with Quarnell Card Set Creator 2.0\r\nhttps://example.org/cardsets\r\n \r\n"
                  "Set: Zwölf/Set\r\n \r\n" +
                      test.blocks);
        // A separator in the set's name would make the suggested name a path.
        EXPECT_EQ(folder().dialogs().requests().back().file.fileName, "ZwölfSet.txt");
        const ShownMessage& shown = folder().dialogs().messages().back();
        EXPECT_EQ(shown.prompt, "The card set text is exported.");
        EXPECT_EQ(shown.style, 64);
        EXPECT_EQ(shown.title, "Save text");
    }
}

TEST_F(TextExport, AFailedExportIsReportedAndLeavesTheEarlierFileAsItWas) {
    std::shared_ptr<Connection> other;
    const struct {
        QString path;
        std::function<void()> before;
        QString why;
    } cases[] = {
        {folder().file(QStringLiteral("missing/set.txt")), [] {}, "76, "},
        {target, [this] { SetAttr(target, vbReadOnly); }, "75, "},
        {target,
         [&] {
             other = Connection::open(folder().databasePath());
             other->execute("BEGIN EXCLUSIVE");
         },
         "The database is in use by another program."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.why.toStdString());
        if (QFileInfo::exists(target)) SetAttr(target, vbNormal);
        WriteFileBytes(target, "earlier");
        test.before();
        exportTo(test.path);
        other.reset();
        const ShownMessage& shown = folder().dialogs().messages().back();
        EXPECT_TRUE(shown.prompt.startsWith("The file is NOT saved due to an error.\r\n\r\n" + test.why))
            << shown.prompt.toStdString();
        EXPECT_EQ(shown.style, 16);
        EXPECT_EQ(shown.title, "Error");
        EXPECT_EQ(ReadFileBytes(target), "earlier");
        EXPECT_TRUE(QDir(folder().path()).entryList({".zqj-*"}, QDir::Files | QDir::Hidden).isEmpty());
    }
}

TEST_F(TextExport, AnExportOverTheDatabaseIsRefusedAndTheDatabaseStaysWhole) {
    const QByteArray before = ReadFileBytes(folder().databasePath());
    exportTo(folder().databasePath());
    const ShownMessage& shown = folder().dialogs().messages().back();
    EXPECT_EQ(shown.prompt,
              "The file is NOT saved due to an error.\r\n\r\n75, zqj.mdb is a file of the program "
              "itself: choose another name.");
    EXPECT_EQ(shown.style, 16);
    EXPECT_EQ(ReadFileBytes(folder().databasePath()), before);
    EXPECT_EQ(cnData->openSnapshot("PRAGMA integrity_check")->field("integrity_check").toText(), "ok");
    EXPECT_TRUE(QDir(folder().path()).entryList({".zqj-*"}, QDir::Files | QDir::Hidden).isEmpty());
}
