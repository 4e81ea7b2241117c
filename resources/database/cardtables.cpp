#include "cardtables.h"
#include "cardindexes.h"

#include "db/connection.h"
#include "db/recordset.h"
#include "db/sqlstatement.h"

#include <QStringList>
#include <algorithm>
#include <functional>

namespace {

struct CardTable {
    QString name, key;
    QString data() const { return name + QStringLiteral("Data"); }
    QString bulk() const { return name + QStringLiteral("Bulk"); }
};

const CardTable kCardTables[] = {{QStringLiteral("tblCard"), QStringLiteral("CardID")},
                                 {QStringLiteral("tblCharacter"), QStringLiteral("CharacterID")},
                                 {QStringLiteral("tblLargeCard"), QStringLiteral("LargeCardID")}};

struct Column {
    QString name, type, defaultValue;
    bool notNull = false, key = false;
    // Pictures and long texts: kept apart, they are not written again with the number or file name.
    bool large() const {
        return type.compare(QLatin1String("BLOB"), Qt::CaseInsensitive) == 0 ||
               type.compare(QLatin1String("LONGTEXT"), Qt::CaseInsensitive) == 0;
    }
    QString quoted() const { return quoteIdentifier(name); }
};

std::vector<Column> columnsOf(Connection& db, const QString& table) {
    const RecordsetPtr rs = db.openSnapshot(
        QStringLiteral("SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info('%1')")
            .arg(table));
    std::vector<Column> columns;
    for (; !rs->eof(); rs->moveNext())
        columns.push_back(
            {rs->field(QStringLiteral("name")).toText(), rs->field(QStringLiteral("type")).toText(),
             rs->field(QStringLiteral("dflt_value")).concatText(),
             rs->field(QStringLiteral("notnull")).toBool(), rs->field(QStringLiteral("pk")).toBool()});
    return columns;
}

bool isWhole(Connection& db, const CardTable& table) {
    return !db.openSnapshot(QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = '%1'")
                                .arg(table.name))
                ->eof();
}

// The declaration as the schema writes it: keys AUTOINCREMENT, texts compared without regard to case.
QString declaration(const Column& column) {
    if (column.key) return column.quoted() + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    QString text = column.quoted() + QLatin1Char(' ') + column.type;
    if (column.type.endsWith(QLatin1String("TEXT"), Qt::CaseInsensitive))
        text += QStringLiteral(" COLLATE NOCASE");
    if (column.notNull) text += QStringLiteral(" NOT NULL");
    if (!column.defaultValue.isEmpty()) text += QStringLiteral(" DEFAULT ") + column.defaultValue;
    return text;
}

QString joined(const std::vector<Column>& columns, const std::function<QString(const Column&)>& text,
               const QString& separator = QStringLiteral(", ")) {
    QStringList parts;
    for (const Column& column : columns)
        parts << text(column);
    return parts.join(separator);
}

void separate(Connection& db, const CardTable& table) {
    const std::vector<Column> all = columnsOf(db, table.name);
    std::vector<Column> data, large;
    for (const Column& column : all)
        (column.large() ? large : data).push_back(column);
    const QString whole = table.name + QStringLiteral("Whole");
    const QString key = quoteIdentifier(table.key);
    const auto name = [](const Column& c) { return c.quoted(); };
    const QString dataNames = joined(data, name), largeNames = joined(large, name);
    const QString changedLarge = joined(
        large, [](const Column& c) { return QStringLiteral("NEW.%1 IS NOT OLD.%1").arg(c.quoted()); },
        QStringLiteral(" OR "));
    const QString setLarge =
        joined(large, [](const Column& c) { return QStringLiteral("%1 = NEW.%1").arg(c.quoted()); });

    db.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2;").arg(table.name, whole) +
               QStringLiteral("CREATE TABLE %1 (%2);").arg(table.data(), joined(data, declaration)) +
               QStringLiteral("CREATE TABLE %1 (%2 INTEGER PRIMARY KEY REFERENCES %3 (%2), %4);")
                   .arg(table.bulk(), key, table.data(), joined(large, declaration)) +
               // The last key given stays given: no card gets the key of a deleted one.
               QStringLiteral("INSERT INTO sqlite_sequence (name, seq) SELECT '%1', seq FROM sqlite_sequence "
                              "WHERE name = '%2';")
                   .arg(table.data(), whole) +
               QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3;").arg(table.data(), dataNames, whole) +
               QStringLiteral("INSERT INTO %1 (%2, %3) SELECT %2, %3 FROM %4;")
                   .arg(table.bulk(), key, largeNames, whole) +
               QStringLiteral("DROP TABLE %1;").arg(whole));

    const QString viewColumns = joined(all, [](const Column& c) {
        return (c.large() ? QStringLiteral("b.") : QStringLiteral("d.")) + c.quoted();
    });
    // A view has no defaults: a column the insert leaves out takes the table's.
    const QString insertValues = joined(data, [](const Column& c) {
        return c.notNull && !c.defaultValue.isEmpty()
                   ? QStringLiteral("COALESCE(NEW.%1, %2)").arg(c.quoted(), c.defaultValue)
                   : QStringLiteral("NEW.") + c.quoted();
    });
    db.execute(
        QStringLiteral("CREATE VIEW %1 AS SELECT %2 FROM %3 AS d LEFT JOIN %4 AS b ON b.%5 = d.%5;")
            .arg(table.name, viewColumns, table.data(), table.bulk(), key) +
        QStringLiteral("CREATE TRIGGER %1Insert AFTER INSERT ON %1 BEGIN "
                       "INSERT OR IGNORE INTO %2 (%3) VALUES (NEW.%3); END;")
            .arg(table.data(), table.bulk(), key) +
        QStringLiteral("CREATE TRIGGER %1Delete AFTER DELETE ON %1 BEGIN "
                       "DELETE FROM %2 WHERE %3 = OLD.%3; END;")
            .arg(table.data(), table.bulk(), key) +
        QStringLiteral("CREATE TRIGGER %1Insert INSTEAD OF INSERT ON %1 BEGIN "
                       "INSERT INTO %2 (%3) VALUES (%4); "
                       "UPDATE %5 SET %6 WHERE %7 = last_insert_rowid(); END;")
            .arg(table.name, table.data(), dataNames, insertValues, table.bulk(), setLarge, key) +
        QStringLiteral("CREATE TRIGGER %1Update INSTEAD OF UPDATE ON %1 BEGIN "
                       "UPDATE %2 SET %3 WHERE %4 = OLD.%4; "
                       "UPDATE %5 SET %4 = NEW.%4 WHERE %4 = OLD.%4 AND NEW.%4 IS NOT OLD.%4; "
                       "UPDATE %5 SET %6 WHERE %4 = NEW.%4 AND (%7); END;")
            .arg(table.name, table.data(),
                 joined(data, [](const Column& c) { return QStringLiteral("%1 = NEW.%1").arg(c.quoted()); }),
                 key, table.bulk(), setLarge, changedLarge) +
        QStringLiteral("CREATE TRIGGER %1Delete INSTEAD OF DELETE ON %1 BEGIN "
                       "DELETE FROM %2 WHERE %3 = OLD.%3; END;")
            .arg(table.name, table.data(), key));
}

} // namespace

bool keepsLargeValuesWhole(Connection& db) {
    return std::any_of(std::begin(kCardTables), std::end(kCardTables),
                       [&](const CardTable& table) { return isWhole(db, table); });
}

void keepLargeValuesApart(Connection& db) {
    bool separated = false;
    for (const CardTable& table : kCardTables) {
        if (!isWhole(db, table)) continue;
        separate(db, table);
        separated = true;
    }
    // The whole tables' indexes went with them.
    if (separated) db.execute(cardIndexStatements());
}

QString tableWithoutLargeValues(const QString& cardTable) {
    return cardTable + QStringLiteral("Data");
}

QString cardTableOf(const QString& storedTable) {
    for (const CardTable& table : kCardTables)
        for (const QString& stored : {table.name, table.data(), table.bulk()})
            if (stored.compare(storedTable, Qt::CaseInsensitive) == 0) return table.name;
    return storedTable;
}
