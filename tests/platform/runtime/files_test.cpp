#include "expectvberror.h"
#include "runtime/files.h"
#include "runtime/replacementfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>

namespace {
class Files : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }
    void makeFolder(const QString& name) const { ASSERT_TRUE(QDir(m_folder.path()).mkdir(name)); }

    void makeFile(const QString& name, const QByteArray& bytes = "data") const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray contents(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
};
} // namespace

TEST_F(Files, DirFindsTheFirstNameMatchingThePattern) {
    makeFile("b.bmp");
    makeFile("a.bmp");
    makeFile("c.txt");
    EXPECT_EQ(Dir(path("*.bmp")), QStringLiteral("a.bmp"));
    EXPECT_EQ(Dir(path("?.txt")), QStringLiteral("c.txt"));
    EXPECT_EQ(Dir(path("c.txt")), QStringLiteral("c.txt"));
    EXPECT_EQ(Dir(path("*.gif")), QString());
    EXPECT_EQ(Dir(path("??.bmp")), QString());
    EXPECT_EQ(Dir(path("C.TXT")), QString()); // names match as the file system does
}

TEST_F(Files, DirTreatsOnlyStarAndQuestionMarkAsWildcards) {
    makeFile("Card [1].bmp");
    makeFile("Card 1.bmp");
    EXPECT_EQ(Dir(path("Card [1].bmp")), QStringLiteral("Card [1].bmp"));
    EXPECT_EQ(Dir(path("Card {1,2}.bmp")), QString());
}

TEST_F(Files, DirStarDotStarAlsoFindsNamesWithoutExtension) {
    makeFile("README");
    EXPECT_EQ(Dir(path("*.*")), QStringLiteral("README"));
    EXPECT_EQ(Dir(path("READ*.*")), QStringLiteral("README"));
}

TEST_F(Files, DirNormalFilterSkipsHiddenFilesAndFolders) {
    makeFile(".zqj.mdb");
    makeFolder("sub");
    EXPECT_EQ(Dir(path(".zqj.mdb")), QString());
    EXPECT_EQ(Dir(path(".zqj.mdb"), vbHidden), QStringLiteral(".zqj.mdb"));
    EXPECT_EQ(Dir(path("sub")), QString());
    EXPECT_EQ(Dir(path("sub"), vbDirectory), QStringLiteral("sub"));
}

TEST_F(Files, DirInAMissingFolderFindsNothing) {
    EXPECT_EQ(Dir(path("missing/*.*")), QString());
}

TEST_F(Files, ReadOnlyRoundTripAndWhatItRefuses) {
    makeFile("zqj.mdb", "old");
    EXPECT_EQ(GetAttr(path("zqj.mdb")), vbNormal);

    SetAttr(path("zqj.mdb"), vbReadOnly);
    EXPECT_EQ(GetAttr(path("zqj.mdb")), vbReadOnly);
    EXPECT_VB_ERROR(WriteFileBytes(path("zqj.mdb"), "new"), VbError::PathFileAccessError);
    makeFile("other.mdb");
    EXPECT_VB_ERROR(FileCopy(path("other.mdb"), path("zqj.mdb")), VbError::PathFileAccessError);
    EXPECT_VB_ERROR(Kill(path("zqj.mdb")), VbError::PathFileAccessError);
    EXPECT_EQ(contents("zqj.mdb"), QByteArray("old"));

    SetAttr(path("zqj.mdb"), vbNormal);
    EXPECT_EQ(GetAttr(path("zqj.mdb")), vbNormal);
    WriteFileBytes(path("zqj.mdb"), "new");
    EXPECT_EQ(contents("zqj.mdb"), QByteArray("new"));
}

TEST_F(Files, ClearingReadOnlyGivesTheOwnerWritingAndKeepsTheRest) {
    struct Case {
        QFileDevice::Permissions before, after;
    };
    using P = QFileDevice;
    const P::Permissions owner = P::ReadOwner | P::ReadUser | P::WriteOwner | P::WriteUser;
    const P::Permissions run = P::ExeOwner | P::ExeUser | P::ExeGroup | P::ExeOther;
    const P::Permissions others = P::ReadGroup | P::ReadOther;
    for (const Case& c :
         {Case{owner | others, owner | others}, Case{owner | others | run, owner | others | run},
          Case{P::ReadOwner | P::ReadUser | others, owner | others},
          Case{P::ReadOwner | P::ReadUser | others | run, owner | others | run}}) {
        SCOPED_TRACE(int(c.before));
        makeFile("card.bmp");
        ASSERT_TRUE(QFile::setPermissions(path("card.bmp"), c.before));
        SetAttr(path("card.bmp"), vbNormal);
        EXPECT_EQ(QFile::permissions(path("card.bmp")), c.after);
        QFile::setPermissions(path("card.bmp"), owner);
        QFile::remove(path("card.bmp"));
    }
}

TEST_F(Files, WorkFileIsWrittenWholeInPlaceOrRefused) {
    for (const QByteArray& bytes : {QByteArray(5000, 'a'), QByteArray("short"), QByteArray(70000, 'b')}) {
        WriteWorkFile(path("zqj.pic"), bytes);
        EXPECT_EQ(contents("zqj.pic"), bytes);
    }
    SetAttr(path("zqj.pic"), vbReadOnly);
    EXPECT_VB_ERROR(WriteWorkFile(path("zqj.pic"), "new"), VbError::PathFileAccessError);
    EXPECT_EQ(contents("zqj.pic"), QByteArray(70000, 'b'));
    makeFolder("folder");
    EXPECT_VB_ERROR(WriteWorkFile(path("folder"), "new"), VbError::PathFileAccessError);
    EXPECT_VB_ERROR(WriteWorkFile(path("missing/zqj.pic"), "new"), VbError::PathNotFound);
}

TEST_F(Files, GetAttrReportsHiddenNamesAndFolders) {
    makeFile(".hidden");
    makeFolder("sub");
    EXPECT_EQ(GetAttr(path(".hidden")), vbHidden);
    EXPECT_EQ(GetAttr(path("sub")), vbDirectory);
}

TEST_F(Files, NameRenamesButNeverOntoAnExistingFile) {
    makeFile("zqj1.mdb", "compacted");
    makeFile("zqj.mdb", "original");
    EXPECT_VB_ERROR(Name(path("zqj1.mdb"), path("zqj.mdb")), VbError::FileAlreadyExists);
    EXPECT_EQ(contents("zqj.mdb"), QByteArray("original"));

    Kill(path("zqj.mdb"));
    Name(path("zqj1.mdb"), path("zqj.mdb"));
    EXPECT_EQ(contents("zqj.mdb"), QByteArray("compacted"));
    EXPECT_FALSE(QFile::exists(path("zqj1.mdb")));
}

TEST_F(Files, FileCopyReplacesAnExistingTarget) {
    makeFile("zqj.mdb", "database");
    makeFile("zqjbup.mdb", "an older and longer backup");
    FileCopy(path("zqj.mdb"), path("zqjbup.mdb"));
    EXPECT_EQ(contents("zqjbup.mdb"), QByteArray("database"));
    EXPECT_EQ(contents("zqj.mdb"), QByteArray("database"));
}

TEST_F(Files, WholeFileReadAndWrite) {
    const QByteArray bytes("\x00\x01\xFF binary", 10);
    WriteFileBytes(path("pic.bin"), bytes);
    EXPECT_EQ(ReadFileBytes(path("pic.bin")), bytes);
    EXPECT_EQ(FileLen(path("pic.bin")), bytes.size());
    WriteFileBytes(path("pic.bin"), "ab");
    EXPECT_EQ(ReadFileBytes(path("pic.bin")), QByteArray("ab"));
}

TEST_F(Files, MissingFileRaises53AndMissingFolder76) {
    EXPECT_VB_ERROR(ReadFileBytes(path("missing.bmp")), VbError::FileNotFound);
    EXPECT_VB_ERROR(ReadFileBytes(path("missing/a.bmp")), VbError::PathNotFound);
    EXPECT_VB_ERROR(FileLen(path("missing.bmp")), VbError::FileNotFound);
    EXPECT_VB_ERROR(GetAttr(path("missing.bmp")), VbError::FileNotFound);
    EXPECT_VB_ERROR(SetAttr(path("missing/a.bmp"), vbNormal), VbError::PathNotFound);
    EXPECT_VB_ERROR(Kill(path("missing.bmp")), VbError::FileNotFound);
    EXPECT_VB_ERROR(Name(path("missing.bmp"), path("b.bmp")), VbError::FileNotFound);
    EXPECT_VB_ERROR(FileCopy(path("missing.bmp"), path("b.bmp")), VbError::FileNotFound);

    makeFile("a.bmp");
    EXPECT_VB_ERROR(FileCopy(path("a.bmp"), path("missing/b.bmp")), VbError::PathNotFound);
    EXPECT_VB_ERROR(Name(path("a.bmp"), path("missing/b.bmp")), VbError::PathNotFound);
    EXPECT_VB_ERROR(WriteFileBytes(path("missing/b.bmp"), "x"), VbError::PathNotFound);
}

TEST_F(Files, AFolderIsNoFile) {
    makeFolder("sub");
    EXPECT_VB_ERROR(ReadFileBytes(path("sub")), VbError::PathFileAccessError);
    EXPECT_VB_ERROR(Kill(path("sub")), VbError::PathFileAccessError);
    EXPECT_VB_ERROR(WriteFileBytes(path("sub"), "x"), VbError::PathFileAccessError);
}

TEST_F(Files, LeftoverTemporariesOfKilledReplacementsAreRemovedAndNothingElse) {
    const char* leftovers[] = {".zqj-0123456789abcdef.tmp", ".zqj-0123456789abcdef.tmp-journal",
                               ".zqj-1123456789abcdef.tmp-journal"};
    const char* kept[] = {".zqj-0123456789ABCDEF.tmp",
                          ".zqj-0123.tmp",
                          "zqj-0123456789abcdef.tmp",
                          ".zqj-0123456789abcdef.tmp.bak",
                          ".zqj-0123456789abcdef.tmp-wal",
                          "zqj.mdb",
                          ".zqj.mdb",
                          "zqj.mdb-journal"};
    for (const char* name : leftovers)
        makeFile(name);
    for (const char* name : kept)
        makeFile(name);
    makeFolder(".zqj-fedcba9876543210.tmp");
    // A replacement at work, here or in another copy of the program, keeps its temporary and the
    // journal of a database written into it.
    ReplacementFile working(path("card.bmp"));
    working.write("new");
    const QString workingJournal = QFileInfo(working.temporaryPath()).fileName() + "-journal";
    makeFile(workingJournal);

    ReplacementFile::removeLeftovers(path(""));
    for (const char* name : leftovers)
        EXPECT_FALSE(QFile::exists(path(name))) << name;
    for (const char* name : kept)
        EXPECT_EQ(contents(name), "data") << name;
    EXPECT_EQ(contents(workingJournal), "data");
    EXPECT_TRUE(QDir(path(".zqj-fedcba9876543210.tmp")).exists());
    working.commit();
    EXPECT_EQ(contents("card.bmp"), "new");
}

TEST(FileErrors, TheSystemsReasonBecomesTheRuntimesNumberWithTheCauseAndTheFile) {
    const QString file = QStringLiteral("/cards/C2 Sword.BMP");
    const struct {
        int systemError;
        int number;
        QString description;
    } cases[] = {
        {ENOSPC, VbError::DiskFull, "Disk full: " + file},
        {EDQUOT, VbError::DiskFull, "Disk full (Disk quota exceeded): " + file},
        {EACCES, VbError::PermissionDenied, "Permission denied: " + file},
        {EROFS, VbError::PermissionDenied, "Permission denied (Read-only file system): " + file},
        {ENAMETOOLONG, VbError::PathFileAccessError, "Path/File access error (File name too long): " + file},
        {ENOTDIR, VbError::PathNotFound, "Path not found (Not a directory): " + file},
    };
    for (const auto& c : cases) {
        const VbError error = VbError::fromSystemError(c.systemError, file);
        EXPECT_EQ(error.number(), c.number) << c.systemError;
        EXPECT_EQ(error.description(), c.description) << c.systemError;
    }
}
