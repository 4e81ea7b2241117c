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
    // Runs it as scripts/run does, with the user's data home in the test's folder.
    void install(int expectedExit = 0) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        process.setProcessEnvironment(environment);
        process.start("bash", {QStringLiteral(ZQJ_INSTALL), build});
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), expectedExit) << process.readAllStandardError().toStdString();
        EXPECT_EQ(QString(process.readAllStandardOutput().trimmed()), expectedExit ? QString() : folder);
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
TEST_F(Install, AnEarlierDatabaseMovesOverOnceWholeAndNeverOverAnother) {
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

    createDatabase(build + "/zqj.mdb");
    addSet(build + "/zqj.mdb", "Other");
    install();
    EXPECT_EQ(sets(folder + "/zqj.mdb"), QVariant("Old"));
    EXPECT_EQ(sets(build + "/zqj.mdb"), QVariant("Other"));
}

} // namespace
