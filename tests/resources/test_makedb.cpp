// The build tool: makes a missing database, never touches an existing one.

#include "sqlitefile.h"

#include <QFile>
#include <QFileInfo>
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

// A link to a missing file stands for a drive not mounted: a new database there would hide the sets.
TEST(MakeDb, FailuresExitWithAMessageAndChangeNothing) {
    const QTemporaryDir folder;
    const QString link = folder.filePath("zqj.mdb");
    ASSERT_TRUE(QFile::link(folder.filePath("drive/zqj.mdb"), link));
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{folder.filePath("missing/zqj.mdb")}, "missing/zqj.mdb"},
        {{}, "usage"},
        {{link}, link + " is a link to " + folder.filePath("drive/zqj.mdb") + ", which is missing"},
    };
    for (const auto& [arguments, says] : cases) {
        const ToolRun run = makedb(arguments);
        EXPECT_NE(run.exitCode, 0) << says.toStdString();
        EXPECT_TRUE(run.errors.contains(says)) << run.errors.toStdString();
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink() && !QFileInfo::exists(link));
}

} // namespace
