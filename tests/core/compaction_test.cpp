// The start counter's reminder to compact the database, and the compaction with its backup.
#include "frmCR.h"
#include "mainwindowtest.h"
#include "modCompact.h"
#include "modData.h"

#include "db/dberrors.h"
#include "db/recordset.h"
#include "runtime/files.h"
#include "runtime/settings.h"
#include "runtime/vberror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Every table of the file with its number of rows, in no particular order.
QStringList rowCounts(const QString& path) {
    const std::shared_ptr<Connection> db = Connection::open(path);
    QStringList counts;
    for (const QString& table : db->tableNames())
        counts << table + QLatin1Char('=') +
                      db->openSnapshot("SELECT count(*) AS n FROM " + table)->field("n").concatText();
    counts.sort();
    return counts;
}

QString integrity(const QString& path) {
    return Connection::open(path)
        ->openSnapshot("SELECT integrity_check AS c FROM pragma_integrity_check")
        ->field("c")
        .concatText();
}

// A program killed in the middle of a large transaction: its changes stand half-written in the
// file, and the journal that undoes them stays beside it.
void killMidTransaction(const QString& database) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            const std::shared_ptr<Connection> db = Connection::open(database);
            db->execute(
                "PRAGMA cache_size = 10; BEGIN; DELETE FROM tblSet; "
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                "INSERT INTO tblCard (SetID, Nr, Picture) SELECT 1, 100 + i, randomblob(20000) FROM n");
            _exit(0); // before the connection closes: that would roll the transaction back
        } catch (const VbError&) {
            _exit(1);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_GT(QFileInfo(database + "-journal").size(), 0);
}

// Pages of the file overwritten, its header left alone: SQLite opens it and finds it damaged.
void overwritePages(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(3 * 4096, '\x5a'));
}

QString notChanged(const ProgramFolder& folder) {
    return "ZQJ tried to compact the database but a problem occured.\r\nThe database zqj.mdb in " +
           folder.path() + " was not changed.\r\n\r\n";
}
const QString kQuestion = QStringLiteral("ZQJ tried to compact the database but a problem occured.\r\n"
                                         "Would you like ZQJ will to try restore its backup?\r\n\r\n");

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

    // Partial backups of killed compactions go; the user's files stay.
    WriteFileBytes(folder.file(".zqj-0123456789abcdef.tmp"), "partial");
    WriteFileBytes(folder.file("notes.tmp"), "user's");

    // The start compacts before it opens the database.
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes, [&] { folder.openDatabase(); }));
    EXPECT_FALSE(QFileInfo::exists(folder.file(".zqj-0123456789abcdef.tmp")));
    EXPECT_TRUE(QFileInfo::exists(folder.file("notes.tmp")));
    EXPECT_LT(QFileInfo(folder.databasePath()).size(), before - 50 * 50000);
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("zqj1.mdb"))));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("zqjbup.mdb"))));
    EXPECT_EQ(storedCount(), "1");
    EXPECT_TRUE(folder.dialogs().messages().empty());
    cnData->execute("INSERT INTO tblCard (SetID, Nr) VALUES (1, 2); DELETE FROM tblCard WHERE Nr = 2");
    EXPECT_EQ(cnData->openSnapshot("SELECT seq FROM sqlite_sequence WHERE name = 'tblCardData'")
                  ->field("seq")
                  .toLong(),
              61);
    EXPECT_EQ(rowCounts(folder.databasePath()), rows);
}

// A failed VACUUM changes nothing: no backup is offered, whether one was made or not.
TEST(Compaction, AFailureAtAnyStepSaysWhatFailedAndOffersNoBackupForAnIntactDatabase) {
    for (const CompactStep failing :
         {CompactStep::RemoveOldCopy, CompactStep::Backup, CompactStep::Compact, CompactStep::RemoveBackup}) {
        SCOPED_TRACE(testing::Message() << "step " << int(failing));
        const bool compacted = failing == CompactStep::RemoveBackup;
        ProgramFolder folder;
        prepareCompaction(folder);
        const QByteArray original = ReadFileBytes(folder.databasePath());
        const QStringList rows = rowCounts(folder.databasePath());
        WriteFileBytes(folder.file(QStringLiteral("zqjbup.mdb")), "older backup");
        setCompactStepObserver([&](CompactStep step) {
            if (step == failing) throw VbError(VbError::PathFileAccessError);
        });
        ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
        setCompactStepObserver({});

        const auto& messages = folder.dialogs().messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].style, vbExclamation);
        if (compacted) {
            EXPECT_TRUE(messages[0].prompt.startsWith("The database zqj.mdb in " + folder.path() +
                                                      " was compacted, but its backup zqjbup.mdb could not "
                                                      "be deleted.\r\n\r\nError 75: "));
            EXPECT_LT(QFileInfo(folder.databasePath()).size(), original.size() / 2);
        } else {
            EXPECT_TRUE(messages[0].prompt.startsWith(notChanged(folder) + "Error 75: "));
            EXPECT_EQ(ReadFileBytes(folder.databasePath()), original);
        }
        // Only a backup that passed its check takes an earlier one's place.
        if (failing <= CompactStep::Backup) {
            EXPECT_EQ(ReadFileBytes(folder.file(QStringLiteral("zqjbup.mdb"))), "older backup");
        }
        EXPECT_EQ(integrity(folder.databasePath()), "ok");
        EXPECT_EQ(rowCounts(folder.databasePath()), rows);
        // Asked again after 20 starts, as after a compaction that completed.
        EXPECT_EQ(storedCount(), "1");
        storeCount(QStringLiteral("1"));
        folder.openDatabase();
    }
}

// What another program writes after the backup was made is never undone by the backup.
TEST(Compaction, ARowAnotherProgramWroteAfterTheBackupStays) {
    ProgramFolder folder;
    prepareCompaction(folder);
    const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());
    setCompactStepObserver([&](CompactStep step) {
        if (step != CompactStep::Compact) return;
        other->execute("INSERT INTO tblSet (SetName, EditionID, LanguageID) VALUES ('Other', 2, 1)");
        DbError::raiseEngine(QStringLiteral("database is locked"));
    });
    folder.dialogs().answerMessageBox(vbYes);
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
    setCompactStepObserver({});

    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.startsWith(notChanged(folder)));
    EXPECT_EQ(Connection::open(folder.databasePath())
                  ->openSnapshot("SELECT count(*) AS n FROM tblSet WHERE SetName = 'Other'")
                  ->field("n")
                  .toLong(),
              1);
}

// Each failure is named in words with the database's folder; damage that SQLite reports as a full
// disk is told apart by the integrity check and reported once, by the start, with what to do.
TEST(Compaction, AFullDiskALockAndDamageAreSaidInWordsWithTheFolder) {
    const struct {
        CompactStep step;
        int resultCode;
        bool damage;
        const char* words;
    } cases[] = {
        {CompactStep::Compact, SQLITE_FULL, false, "was not changed.\r\n\r\nThe disk is full."},
        {CompactStep::Backup, SQLITE_BUSY, false,
         "was not changed.\r\n\r\nThe database is in use by another program."},
        {CompactStep::Backup, SQLITE_FULL, true, "is damaged.\r\n\r\nThere is no backup zqjbup.mdb"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.words);
        ProgramFolder folder;
        prepareCompaction(folder);
        setCompactStepObserver([&](CompactStep step) {
            if (step != test.step) return;
            if (test.damage) overwritePages(folder.databasePath());
            DbError::raiseEngine(QStringLiteral("SQLite's own words"), test.resultCode);
        });
        bool started = false;
        ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes, [&] { started = Main(); }));
        setCompactStepObserver({});

        EXPECT_EQ(started, !test.damage);
        const auto& messages = folder.dialogs().messages();
        // The set's card holds no picture: the editor says so after the compaction's message.
        ASSERT_EQ(messages.size(), test.damage ? 1u : 2u);
        EXPECT_TRUE(messages[0].prompt.contains(folder.path() + ' ' + test.words))
            << messages[0].prompt.toStdString();
        EXPECT_FALSE(messages[0].prompt.contains(QString::number(DbError::Engine)) ||
                     messages[0].prompt.contains("own words"));
    }
}

// A database damaged after the failure gets the backup's rows back, and the backup goes.
TEST(Compaction, ARestorePutsTheBackupsRowsInPlaceOfADamagedDatabase) {
    ProgramFolder folder;
    prepareCompaction(folder);
    const QStringList rows = rowCounts(folder.databasePath());
    setCompactStepObserver([&](CompactStep step) {
        if (step != CompactStep::Compact) return;
        Connection::open(folder.databasePath())->execute("DELETE FROM tblCard; DELETE FROM tblSet");
        overwritePages(folder.databasePath());
        throw VbError(VbError::DiskFull);
    });
    folder.dialogs().answerMessageBox(vbYes);
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
    setCompactStepObserver({});

    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.startsWith(kQuestion));
    EXPECT_EQ(folder.dialogs().messages()[0].style, 52);
    EXPECT_EQ(integrity(folder.databasePath()), "ok");
    EXPECT_EQ(rowCounts(folder.databasePath()), rows);
    EXPECT_FALSE(QFileInfo::exists(folder.file("zqjbup.mdb")));
}

// SQLite makes the copy's full-text table after the others; the copy is whole all the same.
TEST(Compaction, ADatabaseWithAFullTextTableCompacts) {
    ProgramFolder folder;
    prepareCompaction(folder);
    Connection::open(folder.databasePath())
        ->execute("CREATE VIRTUAL TABLE notes USING fts5(body);"
                  "INSERT INTO notes (body) VALUES ('a card worth finding')");
    const QStringList rows = rowCounts(folder.databasePath());
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
    EXPECT_TRUE(folder.dialogs().messages().empty());
    EXPECT_EQ(storedCount(), "1");
    EXPECT_EQ(rowCounts(folder.databasePath()), rows);
}

// A backup cut short by a full disk leaves no file of its own in the program's folder.
TEST(Compaction, ABackupThatFillsTheDiskLeavesNothingBehind) {
    ProgramFolder folder;
    prepareCompaction(folder);
    const QByteArray original = ReadFileBytes(folder.databasePath());
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        const rlimit limit{16384, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool compacted = CompactDatabase();
        _exit(!compacted && folder.dialogs().messages().size() == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(QDir(folder.path()).entryList({".zqj-*"}, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(ReadFileBytes(folder.databasePath()), original);
}

TEST(Compaction, TheBackupOfADatabaseLeftMidTransactionHoldsTheCommittedRowsOnly) {
    ProgramFolder folder;
    prepareCompaction(folder);
    const QStringList rows = rowCounts(folder.databasePath());
    killMidTransaction(folder.databasePath());

    // The compaction fails after its backup; the backup is kept.
    setCompactStepObserver([](CompactStep step) {
        if (step == CompactStep::Compact) throw VbError(VbError::DiskFull);
    });
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
    setCompactStepObserver({});

    for (const char* file : {"zqjbup.mdb", "zqj.mdb"}) {
        EXPECT_EQ(integrity(folder.file(file)), "ok") << file;
        EXPECT_EQ(rowCounts(folder.file(file)), rows) << file;
    }
}

TEST(Compaction, AnotherProgramsConnectionWorksOnTheCompactedDatabaseOrTheCompactionChangesNothing) {
    ProgramFolder folder;
    prepareCompaction(folder);
    const qint64 before = QFileInfo(folder.databasePath()).size();
    const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());

    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
    EXPECT_LT(QFileInfo(folder.databasePath()).size(), before / 2);
    other->execute("INSERT INTO tblSet (SetName, EditionID, LanguageID) VALUES ('Other', 2, 1)");
    EXPECT_EQ(Connection::open(folder.databasePath())
                  ->openSnapshot("SELECT count(*) AS n FROM tblSet WHERE SetName = 'Other'")
                  ->field("n")
                  .toLong(),
              1);

    // While it reads, the compaction waits a while, then fails and leaves the file alone.
    storeCount(QStringLiteral("20"));
    other->execute("DELETE FROM tblCard");
    const QByteArray held = ReadFileBytes(folder.databasePath());
    other->beginTrans();
    other->openSnapshot("SELECT count(*) AS n FROM tblSet");
    ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
    other->rollbackTrans();
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.startsWith(notChanged(folder)));
    EXPECT_EQ(ReadFileBytes(folder.databasePath()), held);
    EXPECT_EQ(integrity(folder.file("zqjbup.mdb")), "ok");
}

TEST(Compaction, ARestorePutsNoDamagedOrIncompleteBackupInPlace) {
    const struct {
        const char* damage;
        std::function<void(const QString&)> apply;
    } cases[] = {
        {"cut short", [](const QString& path) { QFile(path).resize(QFileInfo(path).size() / 2); }},
        {"pages overwritten", overwritePages},
        {"a table missing",
         [](const QString& path) { Connection::open(path)->execute("DROP TABLE tblCharacterBack"); }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.damage);
        ProgramFolder folder;
        prepareCompaction(folder);
        QByteArray damaged;
        setCompactStepObserver([&](CompactStep step) {
            if (step != CompactStep::Compact) return;
            test.apply(folder.file("zqjbup.mdb"));
            overwritePages(folder.databasePath());
            damaged = ReadFileBytes(folder.databasePath());
            throw VbError(VbError::DiskFull);
        });
        folder.dialogs().answerMessageBox(vbYes);
        ASSERT_TRUE(remindAtStart(&FrmCR::cmdYes));
        setCompactStepObserver({});

        const auto& messages = folder.dialogs().messages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_TRUE(messages[1].prompt.startsWith("The backup zqjbup.mdb in " + folder.path() +
                                                  " is not restored: the database zqj.mdb in " +
                                                  folder.path() + " stays as it is.\r\n\r\n"));
        EXPECT_EQ(messages[1].style, 48);
        EXPECT_EQ(ReadFileBytes(folder.databasePath()), damaged);
        EXPECT_TRUE(QFileInfo::exists(folder.file("zqjbup.mdb")));
    }
}
