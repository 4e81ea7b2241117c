#include "db/dberrors.h"
#include "dbtestfixture.h"

#include <QFile>
#include <chrono>
#include <future>
#include <thread>

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

VbError errorFrom(const std::function<void()>& call) {
    try {
        call();
    } catch (const VbError& error) {
        return error;
    }
    return VbError(0, QStringLiteral("no error"));
}
} // namespace

using ConnectionTest = DbTest;

TEST_F(ConnectionTest, OpenFailsAtOnceOnAnythingButADatabase) {
    EXPECT_EQ(errorOf([&] { Connection::open(path(QStringLiteral("missing.mdb"))); }), VbError::FileNotFound);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing.mdb")))) << "open must never create";

    writeFile(path(QStringLiteral("x.mdb")), "This is a text file, not a database.\r\n");
    EXPECT_EQ(errorOf([&] { Connection::open(path(QStringLiteral("x.mdb"))); }), DbError::Engine);

    writeFile(path(QStringLiteral("empty.mdb")), {});
    EXPECT_EQ(errorOf([&] { Connection::open(path(QStringLiteral("empty.mdb"))); }), DbError::Engine);
}

TEST_F(ConnectionTest, CreateMakesAFileThatOpensAndNeverOverwrites) {
    const QString file = path(QStringLiteral("new.mdb"));
    Connection::create(file);
    EXPECT_TRUE(Connection::open(file)->tableNames().isEmpty());
    EXPECT_EQ(errorOf([&] { Connection::create(file); }), DbError::FileExists);

    auto reopened = Connection::open(path(QStringLiteral("test.mdb")));
    EXPECT_EQ(reopened->tableNames(), QStringList({QStringLiteral("tblGroup"), QStringLiteral("tblItem")}));
    EXPECT_EQ(reopened->openSnapshot(QStringLiteral("PRAGMA journal_mode"))
                  ->field(QStringLiteral("journal_mode"))
                  .toText(),
              QStringLiteral("delete"));
}

TEST_F(ConnectionTest, SqlErrorsCarrySqliteMessage) {
    const VbError syntax = errorFrom([&] { db->openSnapshot(QStringLiteral("SELEC * FROM tblItem")); });
    EXPECT_EQ(syntax.number(), DbError::Engine);
    EXPECT_TRUE(syntax.description().contains(QStringLiteral("syntax error"))) << syntax.what();

    const VbError table = errorFrom([&] { db->openLive(QStringLiteral("SELECT * FROM tblNothing")); });
    EXPECT_EQ(table.number(), DbError::Engine);
    EXPECT_EQ(table.description(), QStringLiteral("no such table: tblNothing"));

    EXPECT_EQ(errorOf([&] { db->execute(QStringLiteral("DROP TABLE tblNothing")); }), DbError::Engine);
}

TEST_F(ConnectionTest, AFailedExecuteLeavesNoTransactionOrLockBehind) {
    EXPECT_EQ(errorOf([&] {
                  db->execute(QStringLiteral("BEGIN; INSERT INTO tblGroup (Title) VALUES ('Half'); SELEC 1"));
              }),
              DbError::Engine);
    // A second connection could not write while the first held a transaction.
    auto other = Connection::open(path(QStringLiteral("test.mdb")));
    other->execute(QStringLiteral("INSERT INTO tblGroup (Title) VALUES ('Other')"));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) AS v FROM tblGroup WHERE Title = 'Half'")).toLong(), 0);
}

TEST_F(ConnectionTest, AWriteWaitsForAnotherConnectionsShortLock) {
    std::promise<void> locked;
    std::thread other([&, file = path(QStringLiteral("test.mdb"))] {
        auto connection = Connection::open(file);
        connection->execute(QStringLiteral("BEGIN IMMEDIATE"));
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        connection->execute(QStringLiteral("COMMIT"));
    });
    locked.get_future().wait();
    EXPECT_EQ(errorOf([&] { db->execute(QStringLiteral("INSERT INTO tblGroup (Title) VALUES ('Waited')")); }),
              0);
    other.join();
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) AS v FROM tblGroup WHERE Title = 'Waited'")).toLong(),
              1);
}

TEST_F(ConnectionTest, OpenRecordsetsHoldNoLockAndKeepTheFileOpen) {
    auto live = db->openLive(QStringLiteral("SELECT * FROM tblItem ORDER BY ItemID"));
    auto snapshot = db->openSnapshot(QStringLiteral("SELECT * FROM tblItem"));
    EXPECT_EQ(live->field(QStringLiteral("Name")).toText(), QStringLiteral("b"));
    live->find(QStringLiteral("Name = 'c'"));

    auto other = Connection::open(path(QStringLiteral("test.mdb")));
    other->execute(QStringLiteral("UPDATE tblItem SET Nr = 30 WHERE ItemID = 3"));

    db.reset(); // the recordsets keep the file open
    EXPECT_EQ(live->field(QStringLiteral("Nr")).toInt(), 30);
    live->field(QStringLiteral("Nr")) = 31;
    live->update();
    EXPECT_EQ(other->openSnapshot(QStringLiteral("SELECT Nr FROM tblItem WHERE ItemID = 3"))
                  ->field(QStringLiteral("Nr"))
                  .toInt(),
              31);
}

TEST_F(ConnectionTest, TransactionsRollBack) {
    auto live = db->openLive(QStringLiteral("SELECT * FROM tblItem ORDER BY ItemID"));
    const QString nameOfFirst = QStringLiteral("SELECT Name AS v FROM tblItem WHERE ItemID = 1");

    db->beginTrans();
    live->field(QStringLiteral("Name")) = QStringLiteral("rolled back");
    live->update();
    db->rollbackTrans();
    EXPECT_EQ(stored(nameOfFirst).toText(), QStringLiteral("b"));

    {
        Transaction transaction(*db);
        live->field(QStringLiteral("Name")) = QStringLiteral("dropped with the scope");
        live->update();
    }
    EXPECT_EQ(stored(nameOfFirst).toText(), QStringLiteral("b"));

    {
        Transaction transaction(*db);
        live->field(QStringLiteral("Name")) = QStringLiteral("kept");
        live->update();
        transaction.commit();
    }
    EXPECT_EQ(stored(nameOfFirst).toText(), QStringLiteral("kept"));
    EXPECT_EQ(errorOf([&] { db->commitTrans(); }), DbError::Engine);
}

TEST_F(ConnectionTest, ATransactionSQLiteUndidAfterAFullDiskIsNotEndedAgain) {
    Transaction transaction(*db);
    db->execute(QStringLiteral("INSERT INTO tblGroup (Title) VALUES ('undone')"));
    const qint64 pages = stored(QStringLiteral("SELECT page_count AS v FROM pragma_page_count()")).toLong();
    db->execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    EXPECT_EQ(errorOf([&] {
                  db->execute(QStringLiteral("INSERT INTO tblGroup (Title) VALUES (hex(zeroblob(100000)))"));
              }),
              DbError::Engine);

    EXPECT_FALSE(transaction.active());
    try {
        transaction.commit();
        ADD_FAILURE() << "no error raised";
    } catch (const VbError& error) {
        EXPECT_EQ(error.description(),
                  QStringLiteral("The changes were not stored: the database undid them after an error."));
    }
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) AS v FROM tblGroup WHERE Title = 'undone'")).toLong(),
              0);
}
