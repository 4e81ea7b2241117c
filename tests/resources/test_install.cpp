// The install step of scripts/run: the sets stay in the user's program folder whatever happens to
// the build folder, and a database that an earlier version kept there moves over once.

#include "createdatabase.h"
#include "runtime/folderlock.h"
#include "sqlitefile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Install : public ::testing::Test {
protected:
    const QTemporaryDir home;
    const QString build = home.filePath("build"), folder = home.filePath("data/zqj2");

    // The build folder as a build leaves it, with a program that says which build made it.
    void makeBuild(const QByteArray& version) const {
        QDir().mkpath(build);
        for (const char* program : {"/zqj", "/zqj_wmf"}) {
            QFile file(build + program);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(version) == version.size());
        }
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZQJ_MAKEDB), build + "/zqj_makedb"));
    }
    // Runs it as scripts/run does, with the user's data home in the test's folder; returns what
    // it said on stderr.
    QString install(int expectedExit = 0) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        process.setProcessEnvironment(environment);
        process.start("bash", {QStringLiteral(ZQJ_INSTALL), build});
        EXPECT_TRUE(process.waitForFinished(60000));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), expectedExit) << errors.toStdString();
        EXPECT_EQ(QString(process.readAllStandardOutput().trimmed()), expectedExit ? QString() : folder);
        return errors;
    }
    static QVariant sets(const QString& database) {
        return SqliteFile(database).value("SELECT group_concat(SetName) FROM tblSet");
    }
    static void addSet(const QString& database, const QString& name) {
        SqliteFile(database).execute("INSERT INTO tblSet (SetName, EditionID) VALUES ('" + name + "', 2)");
    }
};

TEST_F(Install, TheSetsSurviveDeletingTheBuildFolder) {
    makeBuild("first");
    install();
    addSet(folder + "/zqj.mdb", "Mine");

    ASSERT_TRUE(QDir(build).removeRecursively());
    makeBuild("second");
    install();
    EXPECT_EQ(sets(folder + "/zqj.mdb"), QVariant("Mine"));
    QFile program(folder + "/zqj");
    EXPECT_TRUE(program.open(QIODevice::ReadOnly) && program.readAll() == "second");
}

// The earlier database was left by a write cut off: moved without its journal it would keep half
// the write.
TEST_F(Install, AnEarlierDatabaseMovesOverOnceWhole) {
    makeBuild("first");
    const QString writing = home.filePath("writing.mdb");
    createDatabase(writing);
    addSet(writing, "Old");
    SqliteFile writer(writing);
    for (const char* sql : {"PRAGMA cache_size = 1", "BEGIN", "UPDATE tblCardBack SET Picture = NULL"})
        writer.execute(sql);
    ASSERT_TRUE(QFile::copy(writing + "-journal", build + "/zqj.mdb-journal"));
    ASSERT_TRUE(QFile::copy(writing, build + "/zqj.mdb"));
    createDatabase(build + "/zqjbup.mdb");
    {
        const FolderLock running(build);
        install(1);
        EXPECT_FALSE(QFileInfo::exists(folder + "/zqj.mdb"));
    }
    install();
    EXPECT_EQ(sets(folder + "/zqj.mdb"), QVariant("Old"));
    EXPECT_GT(SqliteFile(folder + "/zqj.mdb").value("SELECT count(Picture) FROM tblCardBack").toInt(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder + "/zqjbup.mdb"));
    EXPECT_EQ(QDir(build).entryList({"zqj*.mdb*"}), QStringList());
}

// Nothing in the folder is written over, and a database goes with its backup or not at all; once
// moved, none is left for a deleted build folder to take with it.
TEST_F(Install, AnEarlierDatabaseMovesWithItsBackupUnderNamesOfTheirOwn) {
    const QString old = home.filePath("old.mdb"), mine = home.filePath("mine.mdb");
    createDatabase(old);
    addSet(old, "Old");
    createDatabase(mine);
    addSet(mine, "Mine");
    const struct {
        QStringList there;             // in the folder before: copies of mine
        bool backupFails;              // the build's zqjbup.mdb is no database
        QString database, movedBackup; // where they are then; none when they stay in the build folder
        QString says;
    } cases[] = {
        {{"zqj.mdb", "zqjbup.mdb", "zqj-from-build.mdb"},
         false,
         "zqj-from-build-2.mdb",
         "zqjbup-from-build-2.mdb",
         "away and rename " + folder + "/zqj-from-build-2.mdb to zqj.mdb"},
        {{"zqjbup.mdb"}, false, "zqj.mdb", "zqjbup-from-build.mdb", "/zqjbup.mdb is already there"},
        {{}, true, {}, {}, "its backup " + build + "/zqjbup.mdb cannot be moved"},
    };
    for (const auto& [there, backupFails, database, movedBackup, says] : cases) {
        SCOPED_TRACE(says.toStdString());
        ASSERT_TRUE(QDir(home.filePath("data")).removeRecursively() && QDir(build).removeRecursively());
        makeBuild("first");
        ASSERT_TRUE(QDir().mkpath(folder) && QFile::copy(old, build + "/zqj.mdb"));
        ASSERT_TRUE(backupFails ? QDir().mkpath(build + "/zqjbup.mdb")
                                : QFile::copy(old, build + "/zqjbup.mdb"));
        for (const QString& name : there)
            ASSERT_TRUE(QFile::copy(mine, folder + "/" + name));

        const QString errors = install(database.isEmpty() ? 1 : 0);
        EXPECT_TRUE(errors.contains(says)) << errors.toStdString();
        EXPECT_EQ(QDir(build).entryList({"zqj*.mdb*"}).size(), database.isEmpty() ? 2 : 0);
        QStringList inFolder = there + QStringList{database, movedBackup};
        inFolder.removeAll({});
        inFolder.sort();
        ASSERT_EQ(QDir(folder).entryList({"*.mdb*"}, QDir::Files | QDir::Hidden), inFolder);
        for (const QString& name : inFolder)
            EXPECT_EQ(sets(folder + "/" + name), QVariant(there.contains(name) ? "Mine" : "Old"))
                << name.toStdString();
    }
}

// A copy cut off (by a read error here, a full disk for the user) leaves no part of the program.
TEST_F(Install, AFailedCopyLeavesNothingAndSaysWhy) {
    makeBuild("first");
    ASSERT_TRUE(QFile::remove(build + "/zqj_wmf") && QFile::link("/proc/self/mem", build + "/zqj_wmf"));
    EXPECT_TRUE(install(1).contains("cp: "));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"zqj"});
}

} // namespace
