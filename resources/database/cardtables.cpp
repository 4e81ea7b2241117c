#include "cardtables.h"
#include "cardindexes.h"

#include "db/connection.h"
#include "db/recordset.h"
#include "db/sqlstatement.h"
#include "runtime/vberror.h"

#include <QFile>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace {

const QString kBulk = QStringLiteral("Bulk"); // the earlier table of pictures and long texts

std::vector<CardColumn> columnsOf(Connection& db, const QString& table, const QString& schema) {
    const RecordsetPtr rs = db.openSnapshot(
        QStringLiteral("SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(%1, %2)")
            .arg(quoteText(table), quoteText(schema)));
    std::vector<CardColumn> columns;
    for (; !rs->eof(); rs->moveNext())
        columns.push_back(
            {rs->field(QStringLiteral("name")).toText(), rs->field(QStringLiteral("type")).toText(),
             rs->field(QStringLiteral("dflt_value")).concatText(),
             rs->field(QStringLiteral("notnull")).toBool(), rs->field(QStringLiteral("pk")).toBool(), table});
    return columns;
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The columns of a table and of the one that extends it by key, in the order of `order`; those
// it does not name (a user added them) follow.
std::vector<CardColumn> joinedInOrder(Connection& db, const QString& table, const QString& extension,
                                      const QString& schema, const std::vector<CardColumn>& order) {
    std::vector<CardColumn> columns = columnsOf(db, table, schema);
    for (const CardColumn& column : columnsOf(db, extension, schema))
        if (!column.key) columns.push_back(column);
    std::vector<CardColumn> ordered;
    for (const CardColumn& named : order) {
        const auto found = std::find_if(columns.begin(), columns.end(),
                                        [&](const CardColumn& c) { return same(c.name, named.name); });
        if (found == columns.end()) continue;
        ordered.push_back(*found);
        columns.erase(found);
    }
    ordered.insert(ordered.end(), columns.begin(), columns.end());
    return ordered;
}

bool exists(Connection& db, const QString& type, const QString& name, const QString& schema = {}) {
    const QString catalogue = schema.isEmpty() ? QStringLiteral("sqlite_schema")
                                               : quoteIdentifier(schema) + QStringLiteral(".sqlite_schema");
    return !db.openSnapshot(QStringLiteral("SELECT 1 FROM %1 WHERE type = %2 AND name = %3 COLLATE NOCASE")
                                .arg(catalogue, quoteText(type), quoteText(name)))
                ->eof();
}

// The card tables as the program's schema makes them, whole: the order of their columns.
const std::map<QString, std::vector<CardColumn>>& schemaColumns() {
    static const std::map<QString, std::vector<CardColumn>> columns = [] {
        QFile schema(QStringLiteral(":/database/schema.sql"));
        if (!schema.open(QIODevice::ReadOnly)) throw VbError(VbError::FileNotFound, schema.fileName());
        const std::shared_ptr<Connection> db = Connection::create(QStringLiteral(":memory:"));
        db->execute(QString::fromUtf8(schema.readAll()));
        std::map<QString, std::vector<CardColumn>> byTable;
        for (const CardTable& table : cardTables())
            byTable[table.name] = columnsOf(*db, table.name, QStringLiteral("main"));
        return byTable;
    }();
    return columns;
}

QString joined(const std::vector<CardColumn>& columns, const std::function<QString(const CardColumn&)>& text,
               const QString& separator = QStringLiteral(", ")) {
    QStringList parts;
    for (const CardColumn& column : columns)
        parts << text(column);
    return parts.join(separator);
}

std::vector<CardColumn> picturesOf(const std::vector<CardColumn>& columns, bool pictures) {
    std::vector<CardColumn> part;
    std::copy_if(columns.begin(), columns.end(), std::back_inserter(part),
                 [&](const CardColumn& c) { return c.isPicture() == pictures; });
    return part;
}

QString quotedName(const CardColumn& column) {
    return quoteIdentifier(column.name);
}

void createPicturesTable(Connection& db, const CardTable& table, const std::vector<CardColumn>& pictures) {
    db.execute(QStringLiteral("CREATE TABLE %1 (%2 INTEGER PRIMARY KEY REFERENCES %3 (%2), %4)")
                   .arg(table.pictures(), quoteIdentifier(table.key), table.data(),
                        joined(pictures, &CardColumn::declaration)));
}

QString storedSql(Connection& db, const QString& name) {
    const RecordsetPtr rs = db.openSnapshot(
        QStringLiteral("SELECT sql FROM sqlite_schema WHERE name = %1 COLLATE NOCASE").arg(quoteText(name)));
    return rs->eof() ? QString() : rs->field(QStringLiteral("sql")).concatText();
}

} // namespace

bool CardColumn::isPicture() const {
    return type.compare(QLatin1String("BLOB"), Qt::CaseInsensitive) == 0;
}

QString CardColumn::declaration() const {
    if (key) return quoteIdentifier(name) + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    QString text = quoteIdentifier(name) + QLatin1Char(' ') + type;
    // Texts compare without regard to case, as the schema declares them.
    if (type.endsWith(QLatin1String("TEXT"), Qt::CaseInsensitive)) text += QStringLiteral(" COLLATE NOCASE");
    if (notNull) text += QStringLiteral(" NOT NULL");
    if (!defaultValue.isEmpty()) text += QStringLiteral(" DEFAULT ") + defaultValue;
    return text;
}

const std::vector<CardTable>& cardTables() {
    static const std::vector<CardTable> tables = {
        {QStringLiteral("tblCard"), QStringLiteral("CardID")},
        {QStringLiteral("tblCharacter"), QStringLiteral("CharacterID")},
        {QStringLiteral("tblLargeCard"), QStringLiteral("LargeCardID")}};
    return tables;
}

std::vector<CardColumn> storedColumns(Connection& db, const CardTable& table, const QString& schema) {
    return joinedInOrder(db, table.data(), table.pictures(), schema, schemaColumns().at(table.name));
}

QString EarlierCardTable::source(const CardColumn& column) const {
    return (column.storedIn.endsWith(kBulk) ? QStringLiteral("b.") : QStringLiteral("d.")) +
           quoteIdentifier(column.name);
}

EarlierCardTable earlierCardTable(Connection& db, const CardTable& table, const QString& schema) {
    const QString prefix = quoteIdentifier(schema) + QLatin1Char('.');
    if (exists(db, QStringLiteral("table"), table.name, schema))
        return {columnsOf(db, table.name, schema), prefix + table.name + QStringLiteral(" AS d")};
    // Long texts and pictures were kept together, and the view showed the columns in its order.
    const std::vector<CardColumn> ordered =
        joinedInOrder(db, table.data(), table.name + kBulk, schema, columnsOf(db, table.name, schema));
    const QString key = quoteIdentifier(table.key);
    return {ordered, QStringLiteral("%1%2 AS d LEFT JOIN %1%3 AS b ON b.%4 = d.%4")
                         .arg(prefix, table.data(), table.name + kBulk, key)};
}

void createStoredTables(Connection& db, const CardTable& table, const std::vector<CardColumn>& columns) {
    db.execute(QStringLiteral("CREATE TABLE %1 (%2)")
                   .arg(table.data(), joined(picturesOf(columns, false), &CardColumn::declaration)));
    createPicturesTable(db, table, picturesOf(columns, true));
}

std::vector<std::pair<QString, QString>> accessStatements(const CardTable& table,
                                                          const std::vector<CardColumn>& columns) {
    const std::vector<CardColumn> data = picturesOf(columns, false), pictures = picturesOf(columns, true);
    const QString key = quoteIdentifier(table.key), dataNames = joined(data, quotedName);
    const QString setPictures = joined(
        pictures, [](const CardColumn& c) { return QStringLiteral("%1 = NEW.%1").arg(quotedName(c)); });
    const QString changedPictures = joined(
        pictures,
        [](const CardColumn& c) { return QStringLiteral("NEW.%1 IS NOT OLD.%1").arg(quotedName(c)); },
        QStringLiteral(" OR "));
    // A view has no defaults: a column the insert leaves out takes the table's.
    const QString insertValues = joined(data, [](const CardColumn& c) {
        return c.notNull && !c.defaultValue.isEmpty()
                   ? QStringLiteral("COALESCE(NEW.%1, %2)").arg(quotedName(c), c.defaultValue)
                   : QStringLiteral("NEW.") + quotedName(c);
    });
    const QString view = table.name, stored = table.data(), extra = table.pictures();
    return {
        {view, QStringLiteral("CREATE VIEW %1 AS SELECT %2 FROM %3 AS d LEFT JOIN %4 AS b ON b.%5 = d.%5")
                   .arg(view,
                        joined(columns,
                               [](const CardColumn& c) {
                                   return (c.isPicture() ? QStringLiteral("b.") : QStringLiteral("d.")) +
                                          quotedName(c);
                               }),
                        stored, extra, key)},
        // A pictures row that no card holds (a tool deleted the card's row) is never taken over
        // by a new card.
        {stored + QStringLiteral("FreeKey"),
         QStringLiteral(
             "CREATE TRIGGER %1FreeKey BEFORE INSERT ON %1 BEGIN "
             "DELETE FROM %2 WHERE %3 > IFNULL((SELECT max(%3) FROM %1), 0); "
             "DELETE FROM %2 WHERE %3 = NEW.%3 AND NOT EXISTS (SELECT 1 FROM %1 WHERE %3 = NEW.%3); END")
             .arg(stored, extra, key)},
        // Guarded instead of OR IGNORE: a statement's own conflict choice (OR REPLACE) would
        // take its place and empty the pictures of a row it replaces.
        {stored + QStringLiteral("Insert"),
         QStringLiteral("CREATE TRIGGER %1Insert AFTER INSERT ON %1 BEGIN INSERT INTO %2 (%3) SELECT NEW.%3 "
                        "WHERE NOT EXISTS (SELECT 1 FROM %2 WHERE %3 = NEW.%3); END")
             .arg(stored, extra, key)},
        {stored + QStringLiteral("MoveKey"),
         QStringLiteral("CREATE TRIGGER %1MoveKey AFTER UPDATE OF %3 ON %1 WHEN NEW.%3 IS NOT OLD.%3 BEGIN "
                        "DELETE FROM %2 WHERE %3 = NEW.%3; UPDATE %2 SET %3 = NEW.%3 WHERE %3 = OLD.%3; END")
             .arg(stored, extra, key)},
        {stored + QStringLiteral("Delete"),
         QStringLiteral(
             "CREATE TRIGGER %1Delete AFTER DELETE ON %1 BEGIN DELETE FROM %2 WHERE %3 = OLD.%3; END")
             .arg(stored, extra, key)},
        // changes() tells whether the row went in: one that OR IGNORE left out writes no pictures,
        // and last_insert_rowid() is then another row's key.
        {view + QStringLiteral("Insert"),
         QStringLiteral("CREATE TRIGGER %1Insert INSTEAD OF INSERT ON %1 BEGIN "
                        "INSERT INTO %2 (%3) VALUES (%4); "
                        "UPDATE %5 SET %6 WHERE changes() > 0 AND %7 = last_insert_rowid(); END")
             .arg(view, stored, dataNames, insertValues, extra, setPictures, key)},
        // The pictures follow the key by the data table's own trigger; they are written only when the
        // row was, and only when they changed.
        {view + QStringLiteral("Update"),
         QStringLiteral(
             "CREATE TRIGGER %1Update INSTEAD OF UPDATE ON %1 BEGIN "
             "INSERT INTO %2 (%3) SELECT OLD.%3 WHERE NOT EXISTS (SELECT 1 FROM %2 WHERE %3 = OLD.%3); "
             "UPDATE %4 SET %5 WHERE %3 = OLD.%3; "
             "UPDATE %2 SET %6 WHERE changes() > 0 AND %3 = NEW.%3 AND (%7); END")
             .arg(
                 view, extra, key, stored,
                 joined(data,
                        [](const CardColumn& c) { return QStringLiteral("%1 = NEW.%1").arg(quotedName(c)); }),
                 setPictures, changedPictures)},
        {view + QStringLiteral("Delete"),
         QStringLiteral(
             "CREATE TRIGGER %1Delete INSTEAD OF DELETE ON %1 BEGIN DELETE FROM %2 WHERE %3 = OLD.%3; END")
             .arg(view, stored, key)}};
}

bool isOwnCardObject(const QString& name) {
    if (cardIndexNames().contains(name, Qt::CaseInsensitive)) return true;
    for (const CardTable& table : cardTables()) {
        for (const QString& own : {table.name, table.data(), table.pictures(), table.name + kBulk})
            if (same(name, own)) return true;
        for (const QString& base : {table.name, table.data()})
            for (const char* trigger : {"Insert", "Update", "Delete", "FreeKey", "MoveKey"})
                if (same(name, base + QLatin1String(trigger))) return true;
    }
    return false;
}

void storeCardTablesApart(Connection& db) {
    for (const CardTable& table : cardTables()) {
        const std::vector<CardColumn> columns = columnsOf(db, table.name, QStringLiteral("main"));
        db.execute(QStringLiteral("DROP TABLE %1").arg(table.name));
        createStoredTables(db, table, columns);
        for (const auto& [name, sql] : accessStatements(table, columns))
            db.execute(sql);
    }
    db.execute(cardIndexStatements());
}

bool hasEarlierCardLayout(Connection& db) {
    return std::any_of(cardTables().begin(), cardTables().end(), [&](const CardTable& table) {
        return exists(db, QStringLiteral("table"), table.name) ||
               exists(db, QStringLiteral("table"), table.name + kBulk);
    });
}

QStringList mendCardTables(Connection& db) {
    QStringList mended;
    std::optional<Transaction> transaction;
    for (const CardTable& table : cardTables()) {
        if (!exists(db, QStringLiteral("table"), table.data()))
            throw VbError(VbError::FileNotFound,
                          QStringLiteral("the table %1, which holds the rows of %2, is missing.")
                              .arg(table.data(), table.name));
        if (!exists(db, QStringLiteral("table"), table.pictures())) {
            if (!transaction) transaction.emplace(db);
            createPicturesTable(db, table, picturesOf(schemaColumns().at(table.name), true));
            db.execute(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
                           .arg(table.pictures(), quoteIdentifier(table.key), table.data()));
            mended << QStringLiteral("the table %1 (the pictures it held are lost)").arg(table.pictures());
        }
        for (const auto& [name, sql] : accessStatements(table, storedColumns(db, table))) {
            if (storedSql(db, name) == sql) continue;
            if (!transaction) transaction.emplace(db);
            const bool view = same(name, table.name);
            db.execute(QStringLiteral("DROP %1 IF EXISTS %2")
                           .arg(view ? QStringLiteral("VIEW") : QStringLiteral("TRIGGER"), name));
            db.execute(sql);
            mended << (view ? QStringLiteral("the view %1") : QStringLiteral("the trigger %1")).arg(name);
        }
    }
    if (transaction) transaction->commit();
    return mended;
}

QString tableWithoutLargeValues(const QString& cardTable) {
    return cardTable + QStringLiteral("Data");
}

QString cardTableOf(const QString& storedTable) {
    for (const CardTable& table : cardTables())
        for (const QString& stored : {table.name, table.data(), table.pictures(), table.name + kBulk})
            if (same(stored, storedTable)) return table.name;
    return storedTable;
}
