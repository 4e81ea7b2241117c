// The start: the database is found, opened and checked, or the program says it is missing.
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmMaster.h"
#include "frmSetName.h"
#include "modData.h"
#include "programfolder.h"
#include "runtime/files.h"

#include <QFile>
#include <QIcon>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {
void expectMissingDatabaseMessage(const ProgramFolder& folder) {
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    const ShownMessage& shown = folder.dialogs().messages().front();
    EXPECT_EQ(shown.prompt, "The database is missing.\r\n\r\n"
                            "Make sure the file ZQJ.MDB is in the same folder as the program.");
    EXPECT_EQ(shown.style, 16);
    EXPECT_EQ(shown.title, "Missing database");
    EXPECT_FALSE(frmMaster.isLoaded());
    EXPECT_FALSE(DatabaseFound);
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

TEST(Startup, FileThatIsNoDatabaseCountsAsMissing) {
    ProgramFolder folder(ProgramFolder::Database::None);
    writeFile(folder.databasePath(), "this is a text file, not a database\r\n");
    EXPECT_FALSE(Main());
    expectMissingDatabaseMessage(folder);
}

TEST(Startup, DatabaseWithoutOurTablesCountsAsMissing) {
    ProgramFolder folder(ProgramFolder::Database::None);
    Connection::create(folder.databasePath())->execute("CREATE TABLE tblOther (ID INTEGER PRIMARY KEY)");
    EXPECT_FALSE(Main());
    expectMissingDatabaseMessage(folder);
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
