// The start counter's reminder to compact the database, and the compaction with its backup.
#include "frmCR.h"
#include "mainwindowtest.h"
#include "modCompact.h"
#include "modData.h"

#include "db/recordset.h"
#include "runtime/files.h"
#include "runtime/settings.h"
#include "runtime/vberror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {
// The button that answers the question; none for the close box.
using Reply = CommandButton FrmCR::*;
constexpr Reply kCloseBox = nullptr;

QString storedCount() {
    return GetSetting(QStringLiteral("ZQJ2"), QStringLiteral("Database"), QStringLiteral("Loaded"));
}

void storeCount(const QString& value) {
    SaveSetting(QStringLiteral("ZQJ2"), QStringLiteral("Database"), QStringLiteral("Loaded"), value);
}

// One start; the question, if it comes, gets `reply`. True when it came.
bool remindAtStart(Reply reply, const std::function<void()>& start = CheckCompactReminder) {
    bool asked = false;
    {
        const QObject context; // no answer is left for a later start
        QTimer::singleShot(0, &context, [&] {
            FrmCR* dialog = frmCR.ifLoaded();
            if (!dialog || !dialog->Visible()) return;
            asked = true;
            reply ? click(dialog->*reply) : void(dialog->close());
        });
        start();
    }
    // The next start is a new run of the program.
    frmCR.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return asked;
}

int startsUntilAsked(Reply reply) {
    for (int starts = 1; starts <= 40; ++starts)
        if (remindAtStart(reply)) return starts;
    return 0;
}

// Every table of the file with its number of rows.
QStringList rowCounts(const QString& path) {
    const std::shared_ptr<Connection> db = Connection::open(path);
    QStringList counts;
    for (const QString& table : db->tableNames())
        counts << table + QLatin1Char('=') +
                      db->openSnapshot("SELECT count(*) AS n FROM " + table)->field("n").concatText();
    return counts;
}

// A set with one card left of 60 that held pictures; the counter due for the question.
void prepareCompaction(const ProgramFolder& folder) {
    Connection::open(folder.databasePath())
        ->execute("INSERT INTO tblSet (SetName, EditionID, LanguageID) VALUES ('Kept', 2, 1);"
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60) "
                  "INSERT INTO tblCard (SetID, Nr, Picture) SELECT 1, i, randomblob(50000) FROM n;"
                  "DELETE FROM tblCard WHERE Nr > 1");
    storeCount(QStringLiteral("20"));
}
} // namespace

TEST(CompactReminder, AsksAtThe21stStartThenAsTheAnswerSays) {
    ProgramFolder folder;
    EXPECT_EQ(startsUntilAsked(&FrmCR::cmdLater), 21);
    EXPECT_EQ(startsUntilAsked(&FrmCR::cmdNo), 10);
    EXPECT_EQ(startsUntilAsked(kCloseBox), 1);
    EXPECT_EQ(startsUntilAsked(&FrmCR::cmdYes), 1);
    EXPECT_EQ(startsUntilAsked(&FrmCR::cmdNo), 20);
    EXPECT_TRUE(folder.dialogs().messages().empty());
}

TEST(CompactReminder, AStoredValueThatIsNoCountCountsAsAbsentAndTheCountStopsAtItsLargest) {
    const struct {
        const char* stored;
        bool asked;
        const char* after;
    } cases[] = {{"abc", false, "1"}, {"40000", false, "1"}, {"32767", true, "32767"}};
    for (const auto& test : cases) {
        ProgramFolder folder;
        storeCount(QLatin1String(test.stored));
        EXPECT_EQ(remindAtStart(&FrmCR::cmdNo), test.asked) << test.stored;
        EXPECT_EQ(storedCount(), test.after) << test.stored;
    }
    // A store that cannot be written does not stop the start.
    ProgramFolder folder;
    setSettingsFolder(folder.databasePath() + QStringLiteral("/settings"));
    folder.openDatabase();
}

TEST(Compaction, YesShrinksTheFileKeepsEveryRowAndNeverGivesAKeyAgain) {
    ProgramFolder folder;
    prepareCompaction(folder);
    const qint64 before = QFileInfo(folder.databasePath()).size();
    const QStringList rows = rowCounts(folder.databasePath());

    // The start compacts before it opens the database.
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes, [&] { folder.openDatabase(); }));
    EXPECT_LT(QFileInfo(folder.databasePath()).size(), before - 50 * 50000);
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("zqj1.mdb"))));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("zqjbup.mdb"))));
    EXPECT_EQ(storedCount(), "1");
    EXPECT_TRUE(folder.dialogs().messages().empty());
    cnData->execute("INSERT INTO tblCard (SetID, Nr) VALUES (1, 2); DELETE FROM tblCard WHERE Nr = 2");
    EXPECT_EQ(
        cnData->openSnapshot("SELECT seq FROM sqlite_sequence WHERE name = 'tblCard'")->field("seq").toLong(),
        61);
    EXPECT_EQ(rowCounts(folder.databasePath()), rows);
}

TEST(Compaction, AFailureAtAnyStepLeavesAWorkingDatabaseWithEveryRow) {
    for (const CompactStep failing :
         {CompactStep::RemoveOldCopy, CompactStep::Backup, CompactStep::Compact, CompactStep::CheckCopy,
          CompactStep::ReplaceDatabase, CompactStep::RemoveBackup}) {
        const bool backupWhole = failing > CompactStep::Backup;
        for (const int restore : {vbYes, vbNo}) {
            SCOPED_TRACE(testing::Message() << "step " << int(failing) << ", restore " << restore);
            ProgramFolder folder;
            prepareCompaction(folder);
            const QByteArray original = ReadFileBytes(folder.databasePath());
            const QStringList rows = rowCounts(folder.databasePath());
            // An earlier run's backup must never take the database's place.
            WriteFileBytes(folder.file(QStringLiteral("zqjbup.mdb")), "older backup");
            setCompactStepObserver([&](CompactStep step) {
                if (step != failing) return;
                // The check must find a damaged copy by itself.
                if (step != CompactStep::CheckCopy) throw VbError(VbError::PathFileAccessError);
                QFile copy(folder.file(QStringLiteral("zqj1.mdb")));
                copy.resize(copy.size() / 2);
            });
            folder.dialogs().answerMessageBox(restore);
            ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
            setCompactStepObserver({});

            const auto& messages = folder.dialogs().messages();
            ASSERT_EQ(messages.size(), restore == vbYes ? 1u : 2u);
            EXPECT_TRUE(
                messages[0].prompt.startsWith("ZQJ tried to compact the database but a problem occured.\r\n"
                                              "Would you like ZQJ will to try restore its backup?\r\n\r\n"));
            EXPECT_EQ(messages[0].style, 52);
            EXPECT_EQ(messages[0].title, "Repair database");
            if (restore == vbNo) {
                EXPECT_EQ(messages[1].prompt, "The database is backup up as '\\zqjbup.mdb'. You may manually "
                                              "rename it to '\\zqj.mdb'.");
            }
            if (!backupWhole) {
                EXPECT_EQ(ReadFileBytes(folder.databasePath()), original);
            }
            EXPECT_EQ(QFileInfo::exists(folder.file(QStringLiteral("zqjbup.mdb"))),
                      restore == vbNo || !backupWhole);
            EXPECT_EQ(rowCounts(folder.databasePath()), rows);
            folder.openDatabase();
        }
    }
}
