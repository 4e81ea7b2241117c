// The card tables' layout and indexes: a database of an earlier build is brought to them when it
// opens, and every statement the program runs on those tables uses the indexes.

#include "cardindexes.h"
#include "cardtables.h"
#include "modData.h"
#include "programfolder.h"
#include "smallcardfixture.h"

#include "db/dberrors.h"
#include "runtime/files.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

namespace {

const QStringList kIndexes = {"idxCardSetNr", "idxCharacterSetNr", "idxLargeCardSetNr"};

QString text(const Variant& value) {
    if (value.type() == Variant::Type::Bytes)
        return QString::fromLatin1(
            QCryptographicHash::hash(value.toBytes(), QCryptographicHash::Md5).toHex());
    return value.isNull() ? QStringLiteral("<null>") : value.toText();
}

// One column's values from the first row on, the first column unless named.
QStringList columnValues(Recordset& rs, const QString& name = {}) {
    QStringList values;
    for (; !rs.eof(); rs.moveNext())
        values << text(rs.field(name.isEmpty() ? rs.fieldName(0) : name).value());
    return values;
}

QStringList indexes(Connection& db) {
    const RecordsetPtr rs =
        db.openSnapshot(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'index' ORDER BY name"));
    return columnValues(*rs);
}

// Every row of every table as the program reads it, whatever table or view holds it.
QStringList readableRows(Connection& db) {
    QStringList dump;
    for (const char* table :
         {"tblSet", "tblFont", "tblLanguage", "tblPicFormat", "tblArea", "tblAlignment", "tblCharacterBack",
          "tblCardType", "tblCardBack", "tblCard", "tblCharacter", "tblLargeCard"}) {
        const RecordsetPtr rs = db.openSnapshot(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
        for (; !rs->eof(); rs->moveNext()) {
            QString row = QString::fromLatin1(table);
            for (int i = 0; i < rs->fieldCount(); ++i)
                row += QLatin1Char('|') + rs->fieldName(i) + QLatin1Char('=') +
                       text(rs->field(rs->fieldName(i)).value());
            dump << row;
        }
    }
    return dump;
}

// The schema apart from the indexes, and every row.
QStringList contents(Connection& db) {
    return columnValues(
               *db.openSnapshot(QStringLiteral("SELECT type || ' ' || name || ' ' || sql FROM sqlite_schema "
                                               "WHERE type <> 'index' ORDER BY rowid"))) +
           readableRows(db);
}

// Makes the folder's database one of an earlier build, with a set of two cards; its contents.
QStringList makeOldDatabase(const ProgramFolder& folder) {
    const auto db = Connection::open(folder.databasePath());
    db->execute(
        QStringLiteral("DROP INDEX idxCardSetNr; DROP INDEX idxCharacterSetNr; "
                       "DROP INDEX idxLargeCardSetNr; INSERT INTO tblSet (SetName) VALUES ('Old'); "
                       "INSERT INTO tblCard (SetID, Nr, Picture) VALUES (1, 2, x'0102'), (1, 1, NULL)"));
    EXPECT_EQ(indexes(*db), QStringList());
    return contents(*db);
}

// Makes the folder's database one that an earlier build kept its card tables whole in: pictures
// and long texts in the rows, the last card's key deleted.
void makeWholeTablesDatabase(const ProgramFolder& folder) {
    QFile::remove(folder.databasePath());
    QFile schema(QStringLiteral(":/database/schema.sql"));
    ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
    const auto db = Connection::create(folder.databasePath());
    db->execute(QString::fromUtf8(schema.readAll()));
    db->execute(QStringLiteral(
        "INSERT INTO tblSet (SetName) VALUES ('Old');"
        "INSERT INTO tblCard (SetID, Nr, Title, Information, Picture, Background, FileName) VALUES "
        "(1, 1, 'Axe', 'Cuts' || char(13, 10) || 'twice', x'0102', NULL, 'Axe'), (1, 2, 'Bow', NULL, NULL, "
        "x'03', NULL), "
        "(1, 3, 'Gone', NULL, NULL, NULL, NULL);"
        "DELETE FROM tblCard WHERE Title = 'Gone';"
        "INSERT INTO tblCharacter (SetID, Nr, Name, Abilities, Picture, PlayingPiece) VALUES (1, 1, 'Hero', "
        "'Swims', x'04', x'05');"
        "INSERT INTO tblLargeCard (SetID, Nr, Title, BGPicture, LargeCardBack) VALUES (1, 1, 'Map', x'06', "
        "x'07');"));
}

} // namespace

// The rows stay as they were, the pictures and long texts move apart in one step, and no key
// is given again; a database that another program holds is not opened and stays as it was.
TEST(CardTablesOnOpening, AWholeTablesDatabaseKeepsEveryValueAndKey) {
    ProgramFolder folder;
    makeWholeTablesDatabase(folder);
    const QStringList before = readableRows(*Connection::open(folder.databasePath()));
    {
        const QByteArray file = ReadFileBytes(folder.databasePath());
        const auto other = Connection::open(folder.databasePath());
        other->execute(QStringLiteral("BEGIN IMMEDIATE"));
        OpenDatabase();
        EXPECT_FALSE(DatabaseFound);
        other->execute(QStringLiteral("ROLLBACK"));
        EXPECT_EQ(ReadFileBytes(folder.databasePath()), file);
    }
    {
        const auto full = Connection::open(folder.databasePath());
        const QString pages = columnValues(*full->openSnapshot(QStringLiteral("PRAGMA page_count")))[0];
        full->execute(QStringLiteral("PRAGMA max_page_count = ") + pages); // no room to grow
        Transaction transaction(*full);
        try {
            keepLargeValuesApart(*full);
            ADD_FAILURE() << "the disk was not full";
        } catch (const VbError& error) {
            EXPECT_EQ(DbError::causeOf(error), DbError::Cause::Full);
        }
    }
    EXPECT_EQ(readableRows(*Connection::open(folder.databasePath())), before);

    folder.openDatabase();
    EXPECT_EQ(readableRows(*cnData), before);
    EXPECT_EQ(indexes(*cnData), kIndexes);
    EXPECT_EQ(
        columnValues(*cnData->openSnapshot(QStringLiteral(
            "SELECT hex(Picture) || '/' || ifnull(Information, '-') FROM tblCardBulk ORDER BY CardID"))),
        QStringList({"0102/Cuts\r\ntwice", "/-"}));
    cnData->execute(QStringLiteral("INSERT INTO tblCard (SetID, Nr) VALUES (1, 3)"));
    EXPECT_EQ(columnValues(*cnData->openSnapshot(QStringLiteral("SELECT max(CardID) FROM tblCard"))),
              QStringList("4"));
}

TEST(CardIndexesOnOpening, AnOldDatabaseGainsTheIndexesAndNothingElseChanges) {
    ProgramFolder folder;
    const QStringList before = makeOldDatabase(folder);
    folder.openDatabase();
    EXPECT_EQ(indexes(*cnData), kIndexes);
    EXPECT_EQ(contents(*cnData), before);
    cnData->execute(cardIndexStatements()); // a database that has them is left as it is
    EXPECT_EQ(indexes(*cnData), kIndexes);
}

// A database that cannot take them (another program holds its write lock here, as a read-only
// folder or medium refuses the journal) opens and is read as before; the next start adds them.
TEST(CardIndexesOnOpening, ADatabaseThatCannotTakeThemStillOpens) {
    ProgramFolder folder;
    const QStringList before = makeOldDatabase(folder);
    {
        const auto other = Connection::open(folder.databasePath());
        other->execute(QStringLiteral("BEGIN IMMEDIATE"));
        folder.openDatabase();
        EXPECT_EQ(indexes(*cnData), QStringList());
        EXPECT_EQ(contents(*cnData), before);
        RecordsetPtr cards;
        OpenRecordset(QStringLiteral("SELECT * FROM tblCard WHERE SetID = 1 ORDER BY Nr"), cards);
        EXPECT_EQ(columnValues(*cards, QStringLiteral("Nr")), QStringList({"1", "2"}));
        other->execute(QStringLiteral("ROLLBACK"));
    }
    cnData.reset();
    folder.openDatabase();
    EXPECT_EQ(indexes(*cnData), kIndexes);
}

// Without an index, or with one the plan cannot use, a set's opening would sort all its
// rows: the statements run while the editor shows, edits, adds and deletes cards, and the
// sets' character and large-card queries, must all come in index order.
using CardTableQueries = SmallCardFixture;

TEST_F(CardTableQueries, NoStatementOnTheCardTablesSortsTheirRows) {
    openNewSet(2);
    for (int nr = 1; nr <= 3; ++nr)
        insertCard(nr);
    QStringList run;
    cnData->setStatementObserver([&](const QString& sql) { run << sql; });
    FrmCard2nd& form = frmCard2nd.get();
    click(form.cmdCardNav[2]);
    click(form.cmdCardNav[3]);
    form.txtTitle.setText(QStringLiteral("Changed"));
    click(form.cmdCardAdd);
    click(form.cmdCardDelete);
    click(form.cmdCardNav[0]);
    for (const char* table : {"tblCharacter", "tblLargeCard"}) {
        RecordsetPtr rs;
        OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE SetID = %2 ORDER BY Nr").arg(table).arg(iSetID),
                      rs);
    }
    cnData->setStatementObserver({});

    const QRegularExpression cardTable(QStringLiteral("\\btbl(Card|Character|LargeCard)(Data)?\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    QStringList checked;
    for (const QString& sql : run) {
        if (!cardTable.match(sql).hasMatch() || checked.contains(sql)) continue;
        checked << sql;
        const QStringList plan = columnValues(
            *cnData->openSnapshot(QStringLiteral("EXPLAIN QUERY PLAN ") + sql), QStringLiteral("detail"));
        for (const QString& step : plan)
            // A scan of the set's rows numbered in a subquery reads no other set.
            EXPECT_FALSE(step.contains(QStringLiteral("TEMP B-TREE")) ||
                         (step.startsWith(QStringLiteral("SCAN ")) && cardTable.match(step).hasMatch()))
                << sql.toStdString() << ": " << step.toStdString();
    }
    for (const char* table : {"tblCard", "tblCharacter", "tblLargeCard"})
        EXPECT_FALSE(checked.filter(QStringLiteral(" FROM %1 WHERE SetID").arg(table)).isEmpty()) << table;
    EXPECT_FALSE(checked.filter(QStringLiteral("UPDATE")).isEmpty());
}
