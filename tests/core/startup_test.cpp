// The start: the database is found, opened and checked, or the program says it is missing;
// one copy of the program at a time runs on it.
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmMaster.h"
#include "frmSetName.h"
#include "modData.h"
#include "programfolder.h"
#include "readonlyfolder.h"
#include "runtime/app.h"
#include "runtime/files.h"
#include "runtime/folderlock.h"
#include "runtime/settings.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
void expectMissingDatabaseMessage(const ProgramFolder& folder) {
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    const ShownMessage& shown = folder.dialogs().messages().front();
    EXPECT_TRUE(shown.prompt.startsWith(
        "The database is missing.\r\n\r\n"
        "Make sure the file ZQJ.MDB is in the same folder as the program.\r\n\r\n"
        "The program's folder: " +
        folder.path() + "\r\n\r\nTo make a new database without sets, run scripts/install"))
        << shown.prompt.toStdString();
    EXPECT_EQ(shown.style, 16);
    EXPECT_EQ(shown.title, "Missing database");
    EXPECT_FALSE(frmMaster.isLoaded());
    EXPECT_FALSE(DatabaseFound);
}

// The one message of a start that ended, starting with `text`.
void expectStartEndedWith(const ProgramFolder& folder, const QString& text, const QString& title) {
    EXPECT_FALSE(frmMaster.isLoaded());
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    const ShownMessage& shown = folder.dialogs().messages().front();
    EXPECT_TRUE(shown.prompt.startsWith(text)) << shown.prompt.toStdString();
    EXPECT_FALSE(shown.prompt.contains("missing")) << shown.prompt.toStdString();
    EXPECT_EQ(shown.title, title);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

TEST(Startup, NoDatabaseEndsWithTheMissingMessage) {
    ProgramFolder folder(ProgramFolder::Database::None);
    EXPECT_FALSE(Main());
    expectMissingDatabaseMessage(folder);
}

// A file that is there is named with what is wrong with it, never called missing.
TEST(Startup, AFileThatIsNoDatabaseOfOursSaysWhatIsWrong) {
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        const char* because;
    } cases[] = {
        {"text", [](const QString& path) { writeFile(path, "this is a text file, not a database\r\n"); },
         "file is not a database"},
        {"empty", [](const QString& path) { writeFile(path, ""); }, "file is not a database"},
        {"other tables",
         [](const QString& path) {
             Connection::create(path)->execute("CREATE TABLE tblOther (ID INTEGER PRIMARY KEY)");
         },
         "it does not hold the tables of this program."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder(ProgramFolder::Database::None);
        c.make(folder.databasePath());
        EXPECT_FALSE(Main());
        EXPECT_FALSE(DatabaseFound);
        expectStartEndedWith(folder, "The database zqj.mdb in ", "Database cannot be used");
        EXPECT_TRUE(folder.dialogs().messages().front().prompt.contains(c.because));
    }
}

TEST(Startup, GoodDatabaseOpensTheMainWindow) {
    ProgramFolder folder;
    SetAttr(folder.databasePath(), vbReadOnly);
    ASSERT_TRUE(Main());
    EXPECT_TRUE(DatabaseFound);
    EXPECT_TRUE(folder.dialogs().messages().empty());
    ASSERT_TRUE(frmMaster.isLoaded());
    EXPECT_TRUE(frmMaster->Visible());
    EXPECT_EQ(frmMaster->Caption(), "Quarnell Set Creator");
    EXPECT_EQ(iSetID, 0);
    EXPECT_EQ(PicTempPath, folder.file("zqj.pic"));
    // The start leaves the file writable.
    EXPECT_EQ(GetAttr(folder.databasePath()) & vbReadOnly, 0);
}

TEST(Startup, OpensTheFirstSetByNameAndLoadsTheEditorsHidden) {
    ProgramFolder folder;
    Connection::open(folder.databasePath())
        ->execute(
            "INSERT INTO tblSet (SetName, EditionID, LanguageID) VALUES ('Zeta', 2, 1), ('alpha', 3, 2)");
    ASSERT_TRUE(Main());
    EXPECT_EQ(frmMaster->cboSet.Text(), "alpha");
    EXPECT_EQ(iSetEditionID, 3);
    EXPECT_EQ(iSetLanguageID, 2);
    ASSERT_TRUE(frmCard2nd.isLoaded());
    EXPECT_FALSE(frmCard2nd->Visible());
    ASSERT_TRUE(frmCharacter2nd.isLoaded());
    EXPECT_FALSE(frmCharacter2nd->Visible());
    EXPECT_FALSE(frmCard3rd.isLoaded());
}

namespace {
QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another copy of the program, as a process of its own: it holds the program's folder, stores
// a set, and then waits until it is killed.
class OtherCopy {
public:
    explicit OtherCopy(const ProgramFolder& folder) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        const QByteArray path = folder.path().toLocal8Bit();
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            const FolderLock lock(QString::fromLocal8Bit(path));
            if (!lock.held()) ::_exit(1);
            Connection::open(QString::fromLocal8Bit(path) + QStringLiteral("/zqj.mdb"))
                ->execute("INSERT INTO tblSet (SetName, EditionID, LanguageID) VALUES ('Kept', 2, 1)");
            const char byte = 1;
            if (::write(ready[1], &byte, 1) != 1) ::_exit(1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char byte = 0;
        m_running = m_pid > 0 && ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
    }
    ~OtherCopy() { kill(); }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

    bool running() const { return m_running; }
    void kill() {
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    bool m_running = false;
};

// Whether another process finds the folder held.
bool heldForOtherProcesses(const QString& folder) {
    const QByteArray path = folder.toLocal8Bit();
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(FolderLock(QString::fromLocal8Bit(path)).heldElsewhere() ? 0 : 1);
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

TEST(Startup, OneCopyPerDatabaseAndAKilledCopyNeverBlocks) {
    ProgramFolder folder;
    OtherCopy other(folder);
    ASSERT_TRUE(other.running());
    const QByteArray before = fileBytes(folder.databasePath());
    const QString starts =
        GetSetting(QStringLiteral("ZQJ2"), QStringLiteral("Database"), QStringLiteral("Loaded"));

    // The second copy says so and ends without touching the database or the start counter.
    EXPECT_FALSE(Main());
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    const ShownMessage& shown = folder.dialogs().messages().front();
    EXPECT_EQ(shown.prompt, "The database zqj.mdb is open in another copy of the program.");
    EXPECT_EQ(shown.title, "ZQJ2");
    EXPECT_FALSE(frmMaster.isLoaded());
    EXPECT_EQ(cnData, nullptr);
    EXPECT_EQ(fileBytes(folder.databasePath()), before);
    EXPECT_EQ(GetSetting(QStringLiteral("ZQJ2"), QStringLiteral("Database"), QStringLiteral("Loaded")),
              starts);

    // The lock of a killed copy goes with it; its stored set is there.
    other.kill();
    ASSERT_TRUE(Main());
    EXPECT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_EQ(frmMaster->cboSet.Text(), "Kept");
    // Now this copy holds the database against the next one.
    EXPECT_TRUE(heldForOtherProcesses(folder.path()));
}

TEST(Startup, AStepOfTheStartThatFailsIsReportedAndTheProgramGoesOn) {
    ProgramFolder folder;
    Connection::open(folder.databasePath())->execute("ALTER TABLE tblSet RENAME COLUMN SetName TO Renamed");
    ASSERT_TRUE(Main());
    ASSERT_TRUE(frmMaster.isLoaded());
    EXPECT_TRUE(frmMaster->Visible());
    ASSERT_FALSE(folder.dialogs().messages().empty());
    EXPECT_EQ(folder.dialogs().messages().front().style, 16);
    EXPECT_TRUE(folder.dialogs().messages().front().prompt.startsWith("Error "));
}

namespace {
// A write of another process that ended in the middle: the database keeps its journal.
bool leaveHotJournal(const QString& database) {
    const QByteArray path = database.toLocal8Bit();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Ends with the connection open: closing it would roll the write back.
        const std::shared_ptr<Connection> writer = Connection::open(QString::fromLocal8Bit(path));
        writer->execute("PRAGMA cache_size = 1; BEGIN; CREATE TABLE tblFill (x); "
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                        "INSERT INTO tblFill SELECT randomblob(100) FROM n");
        ::_exit(0);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && QFile::exists(database + "-journal");
}
} // namespace

TEST(Startup, ADatabaseHeldByAnotherProgramIsInUseNotMissing) {
    ProgramFolder folder;
    const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());
    other->execute("BEGIN EXCLUSIVE");
    EXPECT_FALSE(Main());
    expectStartEndedWith(folder, "The database zqj.mdb is in use by another program.", "Database in use");
    other->execute("ROLLBACK");
}

TEST(Startup, AJournalThatCannotBeUndoneInAReadOnlyFolderNamesTheFolder) {
    ProgramFolder folder;
    ASSERT_TRUE(leaveHotJournal(folder.databasePath()));
    {
        const ReadOnlyFolder readOnly(folder.path());
        EXPECT_FALSE(Main());
    }
    expectStartEndedWith(folder, "The database zqj.mdb cannot be opened: its folder cannot be written.",
                         "Database cannot be written");
    EXPECT_TRUE(folder.dialogs().messages().front().prompt.contains(folder.path()));
    // Once the folder can be written the interrupted write is undone and the program starts.
    EXPECT_TRUE(Main());
}

// A folder that cannot be written is named at the start, before an edit fails.
TEST(Startup, AFolderThatCannotBeWrittenIsNamedAtTheStart) {
    ProgramFolder folder;
    const ReadOnlyFolder readOnly(folder.path());
    EXPECT_TRUE(Main());
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder.dialogs().messages().front().prompt.startsWith(
        "The folder " + folder.path() + " of the database zqj.mdb cannot be written"));
}

// Two program folders that share one database through a link are one copy's.
TEST(Startup, AProgramFolderLinkedToTheDatabaseOfARunningCopyIsRefused) {
    ProgramFolder folder;
    OtherCopy other(folder);
    ASSERT_TRUE(other.running());
    QTemporaryDir second;
    ASSERT_TRUE(QFile::link(folder.databasePath(), second.filePath("zqj.mdb")));
    App::setPath(second.path());
    EXPECT_FALSE(Main());
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_EQ(folder.dialogs().messages().front().prompt,
              "The database zqj.mdb is open in another copy of the program.");
    EXPECT_EQ(cnData, nullptr);
}

// The main window, the editors in its MDI area and the dialogs carry the program's icon.
TEST(Startup, EveryWindowCarriesTheProgramsIcon) {
    ProgramFolder folder;
    ASSERT_TRUE(Main());
    const QImage icon = QIcon(QStringLiteral(":/icons/zqj.xpm")).pixmap(32).toImage();
    ASSERT_FALSE(icon.isNull());
    auto* editor = qobject_cast<QMdiSubWindow*>(frmCard2nd->parentWidget());
    ASSERT_NE(editor, nullptr);
    for (const QWidget* window : {static_cast<QWidget*>(&frmMaster.get()), static_cast<QWidget*>(editor),
                                  static_cast<QWidget*>(&frmSetName.get())})
        EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), icon) << window->objectName().toStdString();
    frmSetName.unload();
}

// Damage met while the windows come up ends the start with one message that says what to do:
// go back to the backup or, without one, save what is readable with a command that works.
TEST(Startup, ADamagedDatabaseIsNamedOnceWithWhatToDo) {
    for (const bool backup : {true, false}) {
        SCOPED_TRACE(backup ? "backup" : "no backup");
        ProgramFolder folder;
        const std::shared_ptr<Connection> db = Connection::open(folder.databasePath());
        db->execute("INSERT INTO tblSet (SetName, EditionID, LanguageID) VALUES ('Mine', 2, 1)");
        const qint64 page = db->openSnapshot("SELECT rootpage FROM sqlite_master WHERE name = 'tblSet'")
                                ->field("rootpage")
                                .toLong();
        if (backup) {
            ASSERT_TRUE(QFile::copy(folder.databasePath(), folder.file("zqjbup.mdb")));
        }
        QFile file(folder.databasePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek((page - 1) * 4096);
        file.write(QByteArray(4096, '\x5a'));
        file.close();
        EXPECT_FALSE(Main());
        expectStartEndedWith(folder,
                             "The database zqj.mdb in " + folder.path() + " is damaged.\r\n\r\n" +
                                 (backup ? "Its backup zqjbup.mdb of " : "There is no backup zqjbup.mdb"),
                             "Database damaged");
        if (backup || QStandardPaths::findExecutable("sqlite3").isEmpty()) continue;
        // The command, run as advised, makes a file that the program starts on once renamed.
        const QString command =
            folder.dialogs().messages().front().prompt.section("\r\n\r\n", 2, 2).replace("\r\n", "\n");
        ASSERT_EQ(QProcess::execute("bash", {"-c", "cd \"$0\" && " + command, folder.path()}), 0)
            << command.toStdString();
        ASSERT_TRUE(QFile::rename(folder.databasePath(), folder.file("zqj-damaged.mdb")));
        ASSERT_TRUE(QFile::rename(folder.file("zqj-recovered.mdb"), folder.databasePath()));
        EXPECT_TRUE(Main());
        EXPECT_EQ(folder.dialogs().messages().size(), 1u);
    }
}

// A file of another user may be a good database: it is never to be replaced.
TEST(Startup, AnotherUsersDatabaseSaysWhoseItIsAndThatItCannotBeWritten) {
    constexpr uid_t kNobody = 65534;
    ProgramFolder folder;
    ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), kNobody, kNobody), 0);
    const QString expected = "The database zqj.mdb in " + folder.path() + " belongs to the user " +
                             QFileInfo(folder.databasePath()).owner() + " and cannot be written by you.";
    const pid_t child = fork();
    if (child == 0) {
        const bool user = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        const bool started = Main();
        const auto& shown = folder.dialogs().messages();
        _exit(user && !started && shown.size() == 1 && shown[0].prompt.startsWith(expected) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
