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
    const QString build = home.filePath("build");
    const QString folder = home.filePath("data/zqj2");

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
    QString install(int expectedExit = 0) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        process.setProcessEnvironment(environment);
        process.start("bash", {QStringLiteral(ZQJ_INSTALL), build});
        EXPECT_TRUE(process.waitForFinished(60000));
        const QString output = process.readAllStandardOutput() + process.readAllStandardError();
        EXPECT_EQ(process.exitCode(), expectedExit) << output.toStdString();
        return output;
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
    EXPECT_TRUE(install().contains(folder));
    addSet(folder + "/zqj.mdb", "Mine");

    ASSERT_TRUE(QDir(build).removeRecursively());
    makeBuild("second");
    install();
    EXPECT_EQ(sets(folder + "/zqj.mdb"), QVariant("Mine"));
    QFile program(folder + "/zqj");
    EXPECT_TRUE(program.open(QIODevice::ReadOnly) && program.readAll() == "second");
    EXPECT_FALSE(QFileInfo::exists(build + "/zqj.mdb"));
}

TEST_F(Install, AnEarlierDatabaseMovesOverOnceAndNeverOverAnother) {
    makeBuild("first");
    createDatabase(build + "/zqj.mdb");
    addSet(build + "/zqj.mdb", "Old");
    createDatabase(build + "/zqjbup.mdb");
    {
        const FolderLock running(build);
        install(1);
        EXPECT_FALSE(QFileInfo::exists(folder + "/zqj.mdb"));
    }
    install();
    EXPECT_EQ(sets(folder + "/zqj.mdb"), QVariant("Old"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/zqjbup.mdb"));
    EXPECT_EQ(QDir(build).entryList({"zqj*.mdb*"}), QStringList());

    createDatabase(build + "/zqj.mdb");
    addSet(build + "/zqj.mdb", "Other");
    install();
    EXPECT_EQ(sets(folder + "/zqj.mdb"), QVariant("Old"));
    EXPECT_EQ(sets(build + "/zqj.mdb"), QVariant("Other"));
}

// A write that was cut off leaves its journal; moving the file without it would keep half the write.
TEST_F(Install, AnInterruptedWriteIsUndoneBeforeTheMove) {
    makeBuild("first");
    const QString writing = home.filePath("writing.mdb");
    createDatabase(writing);
    SqliteFile writer(writing);
    for (const char* sql : {"PRAGMA cache_size = 1", "BEGIN", "UPDATE tblCardBack SET Picture = NULL"})
        writer.execute(sql);
    ASSERT_TRUE(QFile::copy(writing + "-journal", build + "/zqj.mdb-journal"));
    ASSERT_TRUE(QFile::copy(writing, build + "/zqj.mdb"));

    install();
    EXPECT_GT(SqliteFile(folder + "/zqj.mdb").value("SELECT count(Picture) FROM tblCardBack").toInt(), 0);
    EXPECT_EQ(SqliteFile(folder + "/zqj.mdb").value("PRAGMA integrity_check"), QVariant("ok"));
}

} // namespace
