#include "expectvberror.h"
#include "runtime/settings.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
class Settings : public ::testing::Test {
protected:
    void SetUp() override { setSettingsFolder(m_folder.path()); }
    void TearDown() override { setSettingsFolder({}); }

    QTemporaryDir m_folder;
};
} // namespace

TEST_F(Settings, SavedValueReadsBackAsText) {
    SaveSetting("ZQJ2", "Database", "Loaded", "20");
    EXPECT_EQ(GetSetting("ZQJ2", "Database", "Loaded", "0"), QStringLiteral("20"));
    EXPECT_TRUE(QFile::exists(m_folder.filePath("ZQJ2.ini")));
}

TEST_F(Settings, MissingKeyGivesTheDefault) {
    EXPECT_EQ(GetSetting("ZQJ2", "Database", "Loaded", "0"), QStringLiteral("0"));
    EXPECT_EQ(GetSetting("ZQJ2", "Database", "Loaded"), QString());
    SaveSetting("ZQJ2", "MainWindow", "WidthPos", "9000");
    EXPECT_EQ(GetSetting("ZQJ2", "MainWindow", "HeightPos", "6000"), QStringLiteral("6000"));
    EXPECT_EQ(GetSetting("Other", "MainWindow", "WidthPos", "1"), QStringLiteral("1"));
}

TEST_F(Settings, TextsThatLookSpecialStayTexts) {
    for (const QString value : {"1, 2", " padded ", "@Variant(x)", "", "a=b;c"}) {
        SaveSetting("ZQJ2", "Texts", "Value", value);
        EXPECT_EQ(GetSetting("ZQJ2", "Texts", "Value", "default"), value);
    }
}

TEST_F(Settings, StoreFolderIsCreatedWhenMissing) {
    setSettingsFolder(m_folder.filePath("config/deeper"));
    SaveSetting("ZQJ2", "Database", "Loaded", "1");
    EXPECT_EQ(GetSetting("ZQJ2", "Database", "Loaded"), QStringLiteral("1"));
}

TEST_F(Settings, UnwritableStoreRaises75) {
    QFile blocker(m_folder.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setSettingsFolder(blocker.fileName()); // a file where the folder should be
    EXPECT_VB_ERROR(SaveSetting("ZQJ2", "Database", "Loaded", "1"), VbError::PathFileAccessError);
}
