#include "db/dberrors.h"
#include "dbtestfixture.h"

namespace {
const QString kAllItems = QStringLiteral("SELECT * FROM tblItem ORDER BY ItemID");
using Kind = Connection::WriteKind;
} // namespace

class LiveTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        rs = db->openLive(kAllItems);
    }
    Field field(const char* name) { return rs->field(QString::fromLatin1(name)); }
    qint32 id() { return field("ItemID").toLong(); }
    RecordsetPtr rs;
};

TEST_F(LiveTest, AddNewAppendsAtTheEndWhateverTheOrder) {
    rs = db->openLive(QStringLiteral("SELECT * FROM tblItem ORDER BY Name DESC"));
    rs->moveNext();
    rs->addNew();
    EXPECT_TRUE(rs->isEditing());
    EXPECT_FALSE(rs->bof() || rs->eof());
    EXPECT_TRUE(field("ItemID").isNull());
    EXPECT_TRUE(field("Name").isNull());
    EXPECT_EQ(field("Flag").value(), Variant(false));
    field("Name") = "zzz first by the order";
    field("Nr") = 7;
    EXPECT_EQ(field("Name").toText(), QStringLiteral("zzz first by the order"));
    rs->update();

    EXPECT_FALSE(rs->isEditing());
    EXPECT_EQ(id(), 7) << "the new row stays current with its key";
    EXPECT_EQ(field("Flag").value(), Variant(false));
    EXPECT_EQ(rs->recordCount(), 7);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].kind, Kind::Insert);
    EXPECT_EQ(writes[0].table, QStringLiteral("tblItem"));
    EXPECT_EQ(writes[0].key, 7);
    EXPECT_EQ(writes[0].columns, QStringList({QStringLiteral("Name"), QStringLiteral("Nr")}));

    rs->moveFirst();
    rs->moveLast();
    EXPECT_EQ(id(), 7);
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
}

TEST_F(LiveTest, AddNewWorksOnNoRows) {
    rs = db->openLive(QStringLiteral("SELECT * FROM tblItem WHERE ItemID > 100"));
    rs->addNew();
    EXPECT_FALSE(rs->bof() || rs->eof());
    rs->update();
    EXPECT_EQ(id(), 7);
    EXPECT_EQ(writes[0].columns, QStringList());
    rs->moveFirst();
    EXPECT_EQ(id(), 7);
}

TEST_F(LiveTest, KeysAreNeverGivenAgain) {
    rs->moveLast();
    rs->deleteCurrent();
    rs->addNew();
    rs->update();
    EXPECT_EQ(id(), 7);
}

TEST_F(LiveTest, UpdateWritesOnlyTheAssignedColumns) {
    rs->moveNext();
    EXPECT_EQ(field("Nr").toInt(), 2);
    db->execute(QStringLiteral("UPDATE tblItem SET Nr = 20 WHERE ItemID = 2"));
    field("Name") = "renamed";
    rs->update();

    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].kind, Kind::Update);
    EXPECT_EQ(writes[0].key, 2);
    EXPECT_EQ(writes[0].columns, QStringList({QStringLiteral("Name")}));
    EXPECT_EQ(stored(QStringLiteral("SELECT Nr AS v FROM tblItem WHERE ItemID = 2")).toInt(), 20)
        << "a column changed behind the recordset's back stays";
    EXPECT_EQ(field("Nr").toInt(), 20);
    EXPECT_EQ(field("Name").toText(), QStringLiteral("renamed"));
}

TEST_F(LiveTest, ShowingAndUpdatingWithNothingAssignedWritesNothing) {
    for (; !rs->eof(); rs->moveNext()) {
        for (int i = 0; i < rs->fieldCount(); ++i)
            rs->field(rs->fieldName(i)).value();
        rs->update();
    }
    EXPECT_TRUE(writes.empty());
}

TEST_F(LiveTest, MovingWithAPendingEditUpdatesIt) {
    field("Nr") = 10;
    rs->moveNext();
    EXPECT_EQ(stored(QStringLiteral("SELECT Nr AS v FROM tblItem WHERE ItemID = 1")).toInt(), 10);

    field("Nr") = 11;
    rs->find(QStringLiteral("ItemID = 5"));
    EXPECT_EQ(stored(QStringLiteral("SELECT Nr AS v FROM tblItem WHERE ItemID = 2")).toInt(), 11);

    rs->addNew();
    rs->moveFirst();
    EXPECT_EQ(rs->recordCount(), 7);
    EXPECT_EQ(writes.size(), 3u);
}

TEST_F(LiveTest, CancelUpdateDropsTheBuffer) {
    field("Name") = "not kept";
    rs->cancelUpdate();
    EXPECT_EQ(field("Name").toText(), QStringLiteral("b"));
    EXPECT_FALSE(rs->isEditing());

    rs->find(QStringLiteral("ItemID = 3"));
    rs->addNew();
    field("Name") = "not added";
    rs->cancelUpdate();
    EXPECT_EQ(id(), 3) << "back on the row that was current";
    EXPECT_EQ(rs->recordCount(), 6);

    rs->moveLast();
    rs->moveNext();
    rs->addNew();
    rs->cancelUpdate();
    EXPECT_TRUE(rs->eof());
    EXPECT_TRUE(writes.empty());
}

TEST_F(LiveTest, DeleteStandsOnTheDeletedRow) {
    rs->moveNext();
    rs->deleteCurrent();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].kind, Kind::Delete);
    EXPECT_EQ(writes[0].key, 2);
    EXPECT_TRUE(writes[0].columns.isEmpty());
    EXPECT_FALSE(rs->bof() || rs->eof());
    EXPECT_EQ(errorOf([&] { field("Name").value(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { field("Name") = "x"; }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->deleteCurrent(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(rs->recordCount(), 5);
    rs->moveNext();
    EXPECT_EQ(id(), 3);

    rs->deleteCurrent();
    rs->movePrevious();
    EXPECT_EQ(id(), 1);
    rs->deleteCurrent();
    rs->movePrevious();
    EXPECT_TRUE(rs->bof());

    rs->moveLast();
    rs->deleteCurrent();
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(stored(QStringLiteral("SELECT group_concat(ItemID) AS v FROM tblItem")).toText(),
              QStringLiteral("4,5"));
}

TEST_F(LiveTest, BofAndEofTogetherOnlyWhenNoRowsRemain) {
    while (rs->recordCount() > 0) {
        EXPECT_FALSE(rs->bof() && rs->eof());
        rs->moveFirst();
        rs->deleteCurrent();
    }
    EXPECT_TRUE(rs->bof() && rs->eof());
    EXPECT_EQ(errorOf([&] { rs->moveNext(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) AS v FROM tblItem")).toLong(), 0);
}

TEST_F(LiveTest, ReadsTheRowFromTheDatabase) {
    db->execute(QStringLiteral("UPDATE tblItem SET Name = 'elsewhere' WHERE ItemID = 2"));
    rs->moveNext();
    EXPECT_EQ(field("Name").toText(), QStringLiteral("elsewhere"));

    db->execute(QStringLiteral("DELETE FROM tblItem WHERE ItemID = 4"));
    rs->find(QStringLiteral("ItemID = 4"));
    EXPECT_FALSE(rs->eof()) << "the key is still in the keyset";
    EXPECT_EQ(errorOf([&] { field("Name").value(); }), VbError::NoCurrentRecord);
    field("Name") = "lost";
    EXPECT_EQ(errorOf([&] { rs->update(); }), VbError::NoCurrentRecord);
    rs->cancelUpdate();
    rs->moveNext();
    EXPECT_EQ(id(), 5);
}

TEST_F(LiveTest, FieldAssignedFromFieldTakesItsValue) {
    auto other = db->openLive(QStringLiteral("SELECT * FROM tblItem WHERE ItemID = 3"));
    field("Name") = other->field(QStringLiteral("Name"));
    rs->update();
    EXPECT_EQ(field("Name").toText(), QStringLiteral("c"));
    EXPECT_EQ(other->field(QStringLiteral("ItemID")).toLong(), 3);
}

TEST_F(LiveTest, AJoinWritesEachColumnToItsOwnTable) {
    rs = db->openLive(
        QStringLiteral("SELECT tblItem.ItemID, tblItem.Nr, tblGroup.GroupID AS GID, tblGroup.Title, "
                       "tblGroup.Title || '!' AS Shout FROM tblItem INNER JOIN tblGroup "
                       "ON tblItem.GroupID = tblGroup.GroupID ORDER BY tblItem.ItemID"));
    rs->moveNext();
    field("Nr") = 12;
    field("Title") = "Marsh";
    EXPECT_EQ(field("Title").toText(), QStringLiteral("Marsh"));
    rs->update();

    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].table, QStringLiteral("tblItem"));
    EXPECT_EQ(writes[0].key, 2);
    EXPECT_EQ(writes[0].columns, QStringList({QStringLiteral("Nr")}));
    EXPECT_EQ(writes[1].table, QStringLiteral("tblGroup"));
    EXPECT_EQ(writes[1].key, 2);
    EXPECT_EQ(writes[1].columns, QStringList({QStringLiteral("Title")}));
    EXPECT_EQ(stored(QStringLiteral("SELECT Title AS v FROM tblGroup WHERE GroupID = 2")).toText(),
              QStringLiteral("Marsh"));
    EXPECT_EQ(stored(QStringLiteral("SELECT Nr AS v FROM tblItem WHERE ItemID = 2")).toInt(), 12);
    rs->moveNext();
    rs->moveNext();
    EXPECT_EQ(field("Title").toText(), QStringLiteral("Marsh")) << "item 4 is in the same group";

    EXPECT_EQ(errorOf([&] { field("GID") = 1; }), DbError::NotUpdatable);
    EXPECT_EQ(errorOf([&] { field("Shout") = "x"; }), DbError::NotUpdatable);
    rs->addNew();
    EXPECT_EQ(errorOf([&] { field("Title") = "x"; }), DbError::NotUpdatable)
        << "a new row goes to tblItem only";
    field("Nr") = 8;
    rs->update();
    EXPECT_EQ(writes.back().table, QStringLiteral("tblItem"));
    EXPECT_EQ(id(), 7);
}

TEST_F(LiveTest, AFailedWriteToOneTableUndoesTheOther) {
    rs = db->openLive(QStringLiteral("SELECT tblItem.ItemID, tblItem.Nr, tblGroup.GroupID, tblGroup.Title "
                                     "FROM tblItem INNER JOIN tblGroup ON tblItem.GroupID = tblGroup.GroupID "
                                     "ORDER BY tblItem.ItemID"));
    db->execute(QStringLiteral("DELETE FROM tblGroup WHERE GroupID = 1"));
    field("Nr") = 12;
    field("Title") = "Marsh";
    EXPECT_EQ(errorOf([&] { rs->update(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(stored(QStringLiteral("SELECT Nr AS v FROM tblItem WHERE ItemID = 1")).toInt(), 1);
    EXPECT_TRUE(writes.empty());
    rs->cancelUpdate();
    db->beginTrans(); // nothing was left open
    db->rollbackTrans();
}

// A table whose key refers to another's extends its rows: a recordset over a view of both opens on
// the keys alone, and writes each column to its table, a new row's by its new key, all or nothing.
TEST_F(LiveTest, AnExtendingTableReadsAndWritesThroughAViewAsOneTable) {
    db->execute(QStringLiteral(
        "CREATE TABLE tblItemNote (ItemID INTEGER PRIMARY KEY REFERENCES tblItem (ItemID), Note BLOB);"
        "INSERT INTO tblItemNote (ItemID, Note) SELECT ItemID, x'01' FROM tblItem;"
        "CREATE TRIGGER itemNote AFTER INSERT ON tblItem BEGIN INSERT INTO tblItemNote (ItemID) VALUES "
        "(NEW.ItemID); END;"
        "CREATE VIEW vItem AS SELECT i.ItemID, i.Name, n.Note FROM tblItem AS i "
        "LEFT JOIN tblItemNote AS n ON n.ItemID = i.ItemID"));
    const QString query = QStringLiteral("SELECT * FROM vItem ORDER BY ItemID");
    db->openSnapshot(query); // the column catalogue reads the tables' declarations once
    QStringList run;
    db->setStatementObserver([&](const QString& sql) { run << sql; });
    rs = db->openLive(query);
    db->setStatementObserver({});
    EXPECT_EQ(run, QStringList(R"(SELECT "ItemID" AS "ItemID" FROM vItem ORDER BY ItemID, 1)"));
    EXPECT_EQ(field("Note").value().toBytes(), QByteArray("\x01"));

    field("Name") = "first";
    field("Note") = QByteArray("\x02");
    rs->update();
    rs->addNew();
    field("Name") = "new";
    field("Note") = QByteArray("\x03");
    rs->update();
    EXPECT_EQ(id(), 7);
    EXPECT_EQ(stored(QStringLiteral("SELECT group_concat(hex(Note)) AS v FROM tblItemNote")).toText(),
              QStringLiteral("02,01,01,01,01,01,03"));
    EXPECT_EQ(writes.back().table, QStringLiteral("tblItemNote"));

    db->execute(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tblItemNote BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    rs->addNew();
    field("Name") = "refused";
    field("Note") = QByteArray("\x04");
    EXPECT_EQ(errorOf([&] { rs->update(); }), DbError::Engine);
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) AS v FROM tblItem")).toInt(), 7);
}

TEST_F(LiveTest, CloseDropsAPendingEdit) {
    field("Name") = "never written";
    rs->close();
    EXPECT_TRUE(rs->bof() && rs->eof());
    EXPECT_FALSE(rs->isEditing());
    EXPECT_EQ(errorOf([&] { rs->addNew(); }), VbError::ReadOnlyRecordset);
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(stored(QStringLiteral("SELECT Name AS v FROM tblItem WHERE ItemID = 1")).toText(),
              QStringLiteral("b"));
}
