#include "dbtestfixture.h"

namespace {
const QString kAllItems = QStringLiteral("SELECT * FROM tblItem ORDER BY ItemID");
}

using SnapshotTest = DbTest;

TEST_F(SnapshotTest, IsReadOnly) {
    auto rs = db->openSnapshot(kAllItems);
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Name")) = "x"; }), VbError::ReadOnlyRecordset);
    EXPECT_EQ(errorOf([&] { rs->addNew(); }), VbError::ReadOnlyRecordset);
    EXPECT_EQ(errorOf([&] { rs->update(); }), VbError::ReadOnlyRecordset);
    EXPECT_EQ(errorOf([&] { rs->deleteCurrent(); }), VbError::ReadOnlyRecordset);
    EXPECT_FALSE(rs->isEditing());
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) AS v FROM tblItem")).toLong(), 6);
}

TEST_F(SnapshotTest, CopiesTheRowsAtOpening) {
    auto rs = db->openSnapshot(kAllItems);
    db->execute(QStringLiteral("UPDATE tblItem SET Name = 'changed' WHERE ItemID = 1; DELETE FROM tblItem"));
    EXPECT_EQ(rs->field(QStringLiteral("Name")).toText(), QStringLiteral("b"));
    EXPECT_EQ(rs->recordCount(), 6);
}

TEST_F(SnapshotTest, FilterKeepsTheMatchingRowsAndStandsOnTheFirst) {
    auto rs = db->openSnapshot(kAllItems);
    rs->moveLast();
    rs->setFilter(QStringLiteral("GroupID = 1"));
    EXPECT_EQ(rs->filter(), QStringLiteral("GroupID = 1"));
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(columnFrom(*rs, QStringLiteral("ItemID")).join(QLatin1Char(',')), QStringLiteral("1,3,5"));

    rs->moveFirst();
    rs->find(QStringLiteral("ItemID = 2"));
    EXPECT_TRUE(rs->eof()) << "Find sees only the filtered rows";
    rs->moveFirst();
    rs->find(QStringLiteral("Name = 'O''Hara'"));
    EXPECT_EQ(rs->field(QStringLiteral("ItemID")).toLong(), 5);

    rs->setFilter(QStringLiteral("Name = 'nobody'"));
    EXPECT_TRUE(rs->bof() && rs->eof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(errorOf([&] { rs->moveFirst(); }), VbError::NoCurrentRecord);

    rs->setFilter(QString());
    EXPECT_EQ(rs->recordCount(), 6);
    EXPECT_EQ(rs->field(QStringLiteral("ItemID")).toLong(), 1);
}

TEST_F(SnapshotTest, FilterRefusesUnknownFieldsAndLiveRecordsets) {
    auto rs = db->openSnapshot(kAllItems);
    EXPECT_EQ(errorOf([&] { rs->setFilter(QStringLiteral("Nmae = 1")); }), VbError::ItemNotFound);
    EXPECT_EQ(rs->recordCount(), 6);
    EXPECT_EQ(errorOf([&] { db->openLive(kAllItems)->setFilter(QStringLiteral("Nr = 1")); }),
              VbError::ReadOnlyRecordset);
}
