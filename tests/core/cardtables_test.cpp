// The card tables' layout and indexes: a database of an earlier build is brought to them when it
// opens, and every statement the program runs on those tables uses the indexes.

#include "cardindexes.h"
#include "cardtables.h"
#include "layoutconversion.h"
#include "modData.h"
#include "programfolder.h"
#include "smallcardfixture.h"

#include "db/dberrors.h"
#include "runtime/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

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

const QStringList kAllTables = {"tblSet",      "tblFont",      "tblLanguage",      "tblPicFormat",
                                "tblArea",     "tblAlignment", "tblCharacterBack", "tblCardType",
                                "tblCardBack", "tblCard",      "tblCharacter",     "tblLargeCard"};

// Every row of the tables as the program reads it, whatever table or view holds it.
QStringList readableRows(Connection& db, const QStringList& tables = kAllTables) {
    QStringList dump;
    for (const QString& table : tables) {
        const RecordsetPtr rs = db.openSnapshot(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
        for (; !rs->eof(); rs->moveNext()) {
            QString row = table;
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

QString schemaText() {
    QFile schema(QStringLiteral(":/database/schema.sql"));
    EXPECT_TRUE(schema.open(QIODevice::ReadOnly));
    return QString::fromUtf8(schema.readAll());
}

// Makes the folder's database one that an earlier build kept its card tables whole in: pictures
// and long texts in the rows, the last card's key deleted.
void makeWholeTablesDatabase(const ProgramFolder& folder) {
    QFile::remove(folder.databasePath());
    const auto db = Connection::create(folder.databasePath());
    db->execute(schemaText());
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

// A failure at any step of the conversion, another program's lock or a program that holds the
// file leaves the folder as it was and says why; the next start converts into a new file, keeps
// the earlier one as it was, and carries over what the user made in it or names it.
TEST(CardTablesOnOpening, AnEarlierFileIsConvertedIntoANewOneAndKept) {
    ProgramFolder folder;
    makeWholeTablesDatabase(folder);
    Connection::open(folder.databasePath())
        ->execute(
            QStringLiteral("CREATE TABLE myNotes (Note TEXT); INSERT INTO myNotes VALUES ('mine');"
                           "CREATE VIEW myTitles AS SELECT Title FROM tblCard ORDER BY Title;"
                           "CREATE VIEW myMaps AS SELECT Title, length(BGPicture) AS Size FROM tblLargeCard;"
                           "CREATE INDEX myTitleIndex ON tblCard (Title);"
                           "CREATE TRIGGER myStamp AFTER INSERT ON tblCard BEGIN INSERT INTO myNotes VALUES "
                           "('added'); END;"));
    const QStringList before = readableRows(*Connection::open(folder.databasePath()));
    const QByteArray file = ReadFileBytes(folder.databasePath());
    const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    const auto& messages = folder.dialogs().messages();
    const auto refusedStart = [&](const char* said) {
        const size_t shown = messages.size();
        EXPECT_FALSE(Main());
        ASSERT_EQ(messages.size(), shown + 1);
        EXPECT_TRUE(folder.dialogs().messages().back().prompt.contains(said))
            << folder.dialogs().messages().back().prompt.toStdString();
        EXPECT_EQ(ReadFileBytes(folder.databasePath()), file);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), files);
    };

    const struct {
        ConversionStep step;
        int code;
        const char* said;
    } kFailures[] = {{ConversionStep::Lock, 10, "could not be rearranged"},
                     {ConversionStep::Write, 13, "too little room"}, // the disk full
                     {ConversionStep::Keep, 10, "could not be rearranged"},
                     {ConversionStep::PutInPlace, 10, "could not be rearranged"}};
    for (const auto& failure : kFailures) {
        SCOPED_TRACE(int(failure.step));
        setConversionStepObserver([&](ConversionStep step) {
            if (step == failure.step) DbError::raiseEngine(QStringLiteral("refused"), failure.code);
        });
        refusedStart(failure.said);
    }
    setConversionStepObserver({});
    {
        const auto other = Connection::open(folder.databasePath());
        other->execute(QStringLiteral("BEGIN IMMEDIATE"));
        refusedStart("in use by another program");
    }
    {
        // Open without a lock: once renamed, the file would stay that program's.
        QProcess holder;
        holder.start(QStringLiteral("bash"),
                     {QStringLiteral("-c"), QStringLiteral("exec 3<\"$1\"; exec sleep 60"),
                      QStringLiteral("bash"), folder.databasePath()});
        ASSERT_TRUE(holder.waitForStarted());
        for (int tries = 0; tries < 500 && processesHolding(folder.databasePath()).isEmpty(); ++tries)
            QThread::msleep(10);
        refusedStart("it is open in");
        holder.kill();
        holder.waitForFinished();
    }

    const size_t shown = messages.size();
    ASSERT_TRUE(Main());
    EXPECT_EQ(readableRows(*cnData), before);
    ASSERT_GT(messages.size(), shown);
    const QString prompt = messages[shown].prompt;
    EXPECT_TRUE(prompt.contains(earlierFileName()) && prompt.contains(QStringLiteral("myStamp")))
        << prompt.toStdString();
    EXPECT_EQ(ReadFileBytes(folder.file(earlierFileName())), file);
    const auto values = [&](const QString& sql) { return columnValues(*cnData->openSnapshot(sql)); };
    EXPECT_EQ(values(QStringLiteral("SELECT * FROM myTitles")), QStringList({"Axe", "Bow"}));
    EXPECT_EQ(values(QStringLiteral("SELECT Size FROM myMaps")), QStringList("1"));
    EXPECT_EQ(values(QStringLiteral("SELECT tbl_name FROM sqlite_schema WHERE name = 'myTitleIndex'")),
              QStringList("tblCardData"));
    EXPECT_EQ(values(QStringLiteral("SELECT freelist_count FROM pragma_freelist_count")), QStringList("0"));
    cnData->execute(QStringLiteral("INSERT INTO tblCard (SetID, Nr) VALUES (1, 3)"));
    EXPECT_EQ(values(QStringLiteral("SELECT max(CardID) FROM tblCard")), QStringList("4"));
    EXPECT_EQ(values(QStringLiteral("SELECT Note FROM myNotes")), QStringList("mine"));
}

// Through the views every write leaves the rows that the plain tables of an earlier file leave,
// or fails in both and changes nothing.
TEST(CardTablesAsViews, EveryWriteLeavesTheRowsOfAPlainTable) {
    const char* const kWrites[] = {
        "INSERT INTO tblCard (SetID, Title, Picture) VALUES (1, 'New', x'AA')",
        "INSERT INTO tblCard (CardID, Title) VALUES (7, 'Seven')",
        "INSERT INTO tblCard (CardID, Title, Picture) VALUES (1, 'X', x'FF')",
        "INSERT OR IGNORE INTO tblCard (CardID, Title, Picture) VALUES (1, 'X', x'FF')",
        "INSERT OR REPLACE INTO tblCard (CardID, Title) VALUES (1, 'X')",
        "INSERT OR FAIL INTO tblCard (CardID, Title) VALUES (2, 'X')",
        "INSERT INTO tblCard (SetID, Title, Picture) SELECT SetID, Title || '2', Picture FROM tblCard",
        "UPDATE tblCard SET Title = 'Card One', Information = 'TEXT' WHERE CardID = 1",
        "UPDATE tblCard SET Picture = x'BB', Nr = 5 WHERE CardID = 2",
        "UPDATE tblCard SET CardID = 9 WHERE CardID = 1",
        "UPDATE tblCard SET CardID = 2 WHERE CardID = 1",
        "UPDATE OR IGNORE tblCard SET CardID = 2, Picture = x'CC' WHERE CardID = 1",
        "UPDATE OR REPLACE tblCard SET CardID = 2 WHERE CardID = 1",
        "UPDATE OR IGNORE tblCard SET OneLine = NULL, Picture = x'CC'",
        "DELETE FROM tblCard WHERE CardID = 2; INSERT INTO tblCard (Title) VALUES ('Next')",
    };
    for (const char* write : kWrites) {
        SCOPED_TRACE(write);
        QStringList rows[2];
        bool failed[2] = {false, false};
        for (int layout = 0; layout < 2; ++layout) {
            const auto db = Connection::create(QStringLiteral(":memory:"));
            db->execute(schemaText());
            if (layout == 1) storeCardTablesApart(*db);
            // The last insert is a set's, whose key is also a card's.
            db->execute(QStringLiteral(
                "INSERT INTO tblCard (SetID, Nr, Title, Information, Picture, Background) VALUES "
                "(1, 1, 'card one', 'text', x'01', x'02'), (1, 2, 'card two', NULL, x'03', NULL);"
                "INSERT INTO tblSet (SetName) VALUES ('a'), ('b')"));
            try {
                db->execute(QString::fromLatin1(write));
            } catch (const VbError&) {
                failed[layout] = true;
            }
            rows[layout] = readableRows(*db, {QStringLiteral("tblCard")}) +
                           columnValues(*db->openSnapshot(QStringLiteral(
                               "SELECT seq FROM sqlite_sequence WHERE name IN ('tblCard', 'tblCardData')")));
        }
        EXPECT_EQ(failed[1], failed[0]);
        EXPECT_EQ(rows[1], rows[0]);
    }
}

// What a tool broke in the stored tables is made again at the start, or named when it cannot
// be; a card whose pictures row is gone takes a new picture, and a new card never takes over
// a pictures row that no card holds.
TEST(CardTablesOnOpening, WhatAToolBrokeIsMendedOrNamed) {
    const struct {
        const char* damage;
        bool opens;
        const char* named;
    } kDamages[] = {{"DROP TRIGGER tblCardInsert", true, "tblCardInsert"},
                    {"DROP VIEW tblCharacter", true, "tblCharacter"},
                    {"DROP TABLE tblLargeCardPictures", true, "tblLargeCardPictures"},
                    {"DROP TABLE tblCardData", false, "tblCardData"},
                    {"DELETE FROM tblCardPictures WHERE CardID = 1; "
                     "INSERT INTO tblCardPictures (CardID, Picture) VALUES (3, x'EE'); "
                     "INSERT OR REPLACE INTO tblCardData (CardID, SetID, Nr, Title) VALUES (2, 1, 2, 'Two')",
                     true, nullptr}};
    for (const auto& damage : kDamages) {
        SCOPED_TRACE(damage.damage);
        ProgramFolder folder;
        Connection::open(folder.databasePath())
            ->execute(QStringLiteral("INSERT INTO tblCard (SetID, Nr, Title, Picture) VALUES "
                                     "(1, 1, 'One', x'01'), (1, 2, 'Two', x'02');") +
                      QString::fromLatin1(damage.damage));
        EXPECT_EQ(Main(), damage.opens);
        const auto& messages = folder.dialogs().messages();
        EXPECT_EQ(messages.size(), damage.named ? 1u : 0u);
        if (damage.named && !messages.empty()) {
            EXPECT_TRUE(messages[0].prompt.contains(damage.named)) << messages[0].prompt.toStdString();
        }
        if (!damage.opens) continue;

        RecordsetPtr cards;
        OpenRecordset(QStringLiteral("SELECT * FROM tblCard ORDER BY CardID"), cards);
        cards->field(QStringLiteral("Picture")) = Variant(QByteArray("\x09"));
        cards->update();
        cards->addNew();
        cards->field(QStringLiteral("Title")) = Variant(QStringLiteral("Three"));
        cards->update();
        cnData->execute(QStringLiteral("INSERT INTO tblCard (CardID, Title) VALUES (9, 'Nine')"));
        EXPECT_EQ(columnValues(*cnData->openSnapshot(
                      QStringLiteral("SELECT CardID || ' ' || Title || ' ' || quote(Picture) FROM tblCard"))),
                  QStringList({"1 One X'09'", "2 Two X'02'", "3 Three NULL", "9 Nine NULL"}));
    }
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
