// The card tables' indexes: added to a database of an earlier build when it opens, and used
// by every statement the program runs on those tables.

#include "cardindexes.h"
#include "modData.h"
#include "programfolder.h"
#include "smallcardfixture.h"

#include <QCryptographicHash>
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

// The schema apart from the indexes, and every row of every table.
QStringList contents(Connection& db) {
    QStringList dump = columnValues(*db.openSnapshot(QStringLiteral(
        "SELECT type || ' ' || name || ' ' || sql FROM sqlite_schema WHERE type <> 'index' ORDER BY rowid")));
    for (const QString& table : db.tableNames()) {
        const RecordsetPtr rs = db.openSnapshot(QStringLiteral("SELECT * FROM %1").arg(table));
        for (; !rs->eof(); rs->moveNext()) {
            QString row = table;
            for (int i = 0; i < rs->fieldCount(); ++i)
                row += QLatin1Char('|') + text(rs->field(rs->fieldName(i)).value());
            dump << row;
        }
    }
    return dump;
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

} // namespace

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

    const QRegularExpression cardTable(QStringLiteral("\\btbl(Card|Character|LargeCard)\\b"),
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
