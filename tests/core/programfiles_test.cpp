// A save's target that is one of the program's own files, by whatever path or link, is refused.
#include "programfiles.h"
#include "programfolder.h"

#include "runtime/vberror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(ProgramFiles, ATargetThatIsTheProgramsOwnFileIsRefusedByAnyPathOrLink) {
    const ProgramFolder program;
    const QTemporaryDir elsewhere;
    const QDir other(elsewhere.path());
    const QString database = program.databasePath();
    ASSERT_TRUE(QDir(program.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(database, other.filePath("link.txt")));
    ASSERT_TRUE(QFile::link(program.path(), other.filePath("programlink")));
    ASSERT_TRUE(QFile::link(program.file("zqj1.mdb-wal"), other.filePath("dangling.txt")));
    ASSERT_EQ(::link(QFile::encodeName(database).constData(),
                     QFile::encodeName(other.filePath("hard.txt")).constData()),
              0);

    const struct {
        QString path;
        QString refused; // the program's file named, "" when the save may go on
    } cases[] = {
        {database, "zqj.mdb"},
        {other.filePath("link.txt"), "zqj.mdb"},
        {other.filePath("hard.txt"), "zqj.mdb"},
        {program.file("sub/../zqj.pic"), "zqj.pic"},
        {program.file("zqj.mdb-journal"), "zqj.mdb-journal"},
        {other.filePath("programlink/zqjbup.mdb"), "zqjbup.mdb"},
        {other.filePath("dangling.txt"), "zqj1.mdb-wal"},
        {program.file("zqjtemp.bmp"), "zqjtemp.bmp"},
        {program.file("zqj.mdb.txt"), ""},
        {program.file("ZQJ.MDB"), ""}, // another file where names keep their case
        {other.filePath("set.txt"), ""},
        {other.filePath("zqj.mdb"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            refuseProgramFile(c.path);
            EXPECT_TRUE(c.refused.isEmpty());
        } catch (const VbError& error) {
            EXPECT_EQ(error.number(), VbError::PathFileAccessError);
            EXPECT_EQ(error.description(),
                      c.refused + " is a file of the program itself: choose another name.");
        }
    }
}
