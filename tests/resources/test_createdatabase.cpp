// Making the database file: all or nothing, next to its target.

#include "createdatabase.h"
#include "runtime/vberror.h"
#include "sqlitefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(CreateDatabase, LeavesOnlyTheDatabaseWithARollbackJournal) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("zqj.mdb");
    createDatabase(path);

    EXPECT_EQ(entries(folder.path()), QStringList{"zqj.mdb"});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(100);
    EXPECT_TRUE(header.startsWith("SQLite format 3"));
    // File format versions 1 mean a rollback journal; WAL would be 2.
    EXPECT_EQ(header.at(18), 1);
    EXPECT_EQ(header.at(19), 1);
}

TEST(CreateDatabase, ReplacesAnExistingFileWhole) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("zqj.mdb");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a database");
    }
    createDatabase(path);

    EXPECT_EQ(SqliteFile(path).value("SELECT count(*) FROM tblPicFormat").toInt(), 3);
    EXPECT_EQ(entries(folder.path()), QStringList{"zqj.mdb"});
}

TEST(CreateDatabase, MissingFolderRaisesPathNotFound) {
    const QTemporaryDir folder;
    try {
        createDatabase(folder.filePath("missing/zqj.mdb"));
        FAIL() << "no error raised";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbError::PathNotFound);
    }
    EXPECT_TRUE(entries(folder.path()).isEmpty());
}

TEST(CreateDatabase, ATargetThatCannotBeReplacedKeepsItAndLeavesNoTemporaryFile) {
    const QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("zqj.mdb/inside"));
    try {
        createDatabase(folder.filePath("zqj.mdb"));
        FAIL() << "no error raised";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), 75);
    }
    EXPECT_EQ(entries(folder.path()), QStringList{"zqj.mdb"});
    EXPECT_TRUE(QDir(folder.filePath("zqj.mdb/inside")).exists());
}

} // namespace
