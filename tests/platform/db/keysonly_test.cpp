// A live recordset's opening: what it runs, that it gives the rows and values of its query,
// and that it reads no column that it keeps no value of.

#include "dbtestfixture.h"

#include <QFile>

namespace {

// Bytes this process has read from files so far.
qint64 bytesRead() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:")) return line.mid(6).trimmed().toLongLong();
    return -1;
}

// Every value of every row, as the recordset gives them.
QStringList allValues(Recordset& rs) {
    QStringList values;
    for (; !rs.eof(); rs.moveNext())
        for (int column = 0; column < rs.fieldCount(); ++column) {
            const Variant value = rs.field(rs.fieldName(column)).value();
            values << (value.isNull() ? QStringLiteral("<null>") : value.toText());
        }
    return values;
}

} // namespace

class KeysOnlyTest : public DbTest {
protected:
    // The statements that opening a live recordset on sql runs.
    QStringList openingStatements(const QString& sql) {
        QStringList run;
        db->openSnapshot(sql); // the column catalogue reads the tables' declarations once
        db->setStatementObserver([&](const QString& text) { run << text; });
        live = db->openLive(sql);
        db->setStatementObserver({});
        return run;
    }
    RecordsetPtr live;
};

TEST_F(KeysOnlyTest, OpeningRunsOnlyWhatTheRecordsetKeepsAndGivesTheQuerysRows) {
    const QString join =
        QStringLiteral(" FROM tblItem INNER JOIN tblGroup ON tblItem.GroupID = tblGroup.GroupID");
    struct Case {
        QString query;
        QString opening; // empty: the query itself
    };
    const std::vector<Case> cases = {
        {"SELECT * FROM tblItem ORDER BY Name DESC",
         R"(SELECT "ItemID" AS "ItemID" FROM tblItem ORDER BY Name DESC, 1)"},
        {"select * from tblItem where Flag <> 0",
         R"(SELECT "ItemID" AS "ItemID" from tblItem where Flag <> 0 ORDER BY 1)"},
        {"SELECT *, Nr * 2 AS Twice FROM tblItem WHERE Name <> 'a; ORDER BY x' -- why\n ORDER BY Twice;",
         R"(SELECT "ItemID" AS "ItemID", Nr * 2 AS Twice FROM tblItem WHERE Name <> 'a; ORDER BY x' -- why)"
         "\n ORDER BY Twice, 1"},
        {"SELECT tblItem.ItemID, tblItem.Nr, tblGroup.GroupID AS GID, tblGroup.Title, "
         "tblGroup.Title || '!' AS Shout" +
             join + " ORDER BY tblItem.Nr DESC",
         "SELECT tblItem.ItemID, tblGroup.GroupID AS GID, tblGroup.Title || '!' AS Shout" + join +
             " ORDER BY tblItem.Nr DESC, 1, 2"},
        {"SELECT tblItem.*, (SELECT count(*) FROM tblGroup) AS Groups FROM tblItem ORDER BY (Nr % 2), Nr",
         R"(SELECT tblItem."ItemID" AS "ItemID", (SELECT count(*) FROM tblGroup) AS Groups FROM tblItem )"
         "ORDER BY (Nr % 2), Nr, 1"},
        {"SELECT * FROM tblItem i ORDER BY i.Nr DESC",
         R"(SELECT "ItemID" AS "ItemID" FROM tblItem i ORDER BY i.Nr DESC, 1)"},
        // Every column is needed, or the text cannot be rewritten soundly.
        {"SELECT Name, Nr FROM tblItem ORDER BY Nr", {}},
        {"SELECT ItemID, Name || '' AS Label FROM tblItem ORDER BY ItemID", {}},
        {"SELECT DISTINCT * FROM tblItem", {}},
        {"SELECT * FROM tblItem ORDER BY 4 DESC", {}},
        {"SELECT ItemID, Nr + 0 AS Name FROM tblItem ORDER BY Name", {}},
        {"SELECT * FROM tblItem LIMIT 3", {}},
        {"SELECT tblItem.*, tblGroup.*" + join, {}},
        {"SELECT * FROM tblItem UNION ALL SELECT * FROM tblItem ORDER BY 1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query.toStdString());
        const QStringList run = openingStatements(c.query);
        ASSERT_EQ(run.size(), 1);
        EXPECT_EQ(run[0], c.opening.isEmpty() ? c.query : c.opening);
        EXPECT_EQ(allValues(*live), allValues(*db->openSnapshot(c.query)));
    }
}

TEST_F(KeysOnlyTest, RowsThatTheOrderLeavesTiedComeInKeyOrder) {
    db->execute(
        QStringLiteral("UPDATE tblItem SET Nr = 7 - ItemID; CREATE INDEX idxGroup ON tblItem (GroupID, Nr)"));
    // A covering scan of the index would give the keys in (GroupID, Nr) order.
    EXPECT_EQ(columnFrom(*db->openLive(QStringLiteral("SELECT * FROM tblItem")), QStringLiteral("ItemID")),
              QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(columnFrom(*db->openLive(QStringLiteral("SELECT * FROM tblItem ORDER BY GroupID")),
                         QStringLiteral("ItemID")),
              QStringList({"1", "3", "5", "2", "4", "6"}));
}

TEST_F(KeysOnlyTest, OpeningReadsNoPictures) {
    constexpr int kRows = 200;
    constexpr int kPictureBytes = 40000;
    db->beginTrans();
    for (int row = 0; row < kRows; ++row)
        db->execute(QStringLiteral("INSERT INTO tblItem (Nr, Picture, Info) VALUES (%1, zeroblob(%2), 'x')")
                        .arg(100 + row % 7)
                        .arg(kPictureBytes));
    db->commitTrans();
    // As on the card tables: without an index each row's page would be read, with a part of its picture.
    db->execute(QStringLiteral("CREATE INDEX idxNr ON tblItem (Nr)"));
    db.reset();
    db = Connection::open(path(QStringLiteral("test.mdb"))); // nothing of the file in its cache

    const qint64 before = bytesRead();
    ASSERT_GE(before, 0);
    live = db->openLive(QStringLiteral("SELECT * FROM tblItem WHERE Nr >= 100 ORDER BY Nr DESC"));
    const qint64 read = bytesRead() - before;
    EXPECT_LT(read, qint64(kRows) * kPictureBytes / 20) << "bytes read at opening";

    EXPECT_EQ(live->recordCount(), kRows);
    EXPECT_EQ(live->field(QStringLiteral("Nr")).toInt(), 106);
    EXPECT_EQ(live->field(QStringLiteral("Picture")).value().toBytes().size(), kPictureBytes);
}
