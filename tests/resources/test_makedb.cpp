// The build tool: makes a missing database, never touches an existing one.

#include "sqlitefile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun makedb(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ZQJ_MAKEDB), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MakeDb, MakesAMissingDatabase) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("zqj.mdb");
    EXPECT_EQ(makedb({path}).exitCode, 0);
    EXPECT_EQ(SqliteFile(path).value("SELECT PicFormat FROM tblPicFormat WHERE PicFormatID = 1"),
              QVariant("BMP"));
}

TEST(MakeDb, LeavesAnExistingDatabaseByteForByte) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("zqj.mdb");
    ASSERT_EQ(makedb({path}).exitCode, 0);
    SqliteFile(path).execute("INSERT INTO tblSet (SetName, EditionID) VALUES ('Mine', 2)");
    const QByteArray before = contents(path);

    EXPECT_EQ(makedb({path}).exitCode, 0);
    EXPECT_EQ(contents(path), before);
}

TEST(MakeDb, FailuresExitWithAMessage) {
    const QTemporaryDir folder;
    const ToolRun missingFolder = makedb({folder.filePath("missing/zqj.mdb")});
    EXPECT_NE(missingFolder.exitCode, 0);
    EXPECT_TRUE(missingFolder.errors.contains("missing/zqj.mdb")) << missingFolder.errors.toStdString();

    const ToolRun noPath = makedb({});
    EXPECT_NE(noPath.exitCode, 0);
    EXPECT_TRUE(noPath.errors.contains("usage")) << noPath.errors.toStdString();
}

} // namespace
