#include "layoutconversion.h"
#include "cardindexes.h"
#include "cardtables.h"
#include "temporarydatabase.h"

#include "db/connection.h"
#include "db/dberrors.h"
#include "db/recordset.h"
#include "db/sqlstatement.h"
#include "runtime/files.h"
#include "runtime/vberror.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <unistd.h>

namespace {

const QString kEarlier = QStringLiteral("earlier"); // the earlier file, attached to the new one

std::function<void(ConversionStep)>& stepObserver() {
    static std::function<void(ConversionStep)> observer;
    return observer;
}

void beginStep(ConversionStep step) {
    if (stepObserver()) stepObserver()(step);
}

qint64 pragmaValue(Connection& db, const QString& pragma) {
    const RecordsetPtr rs = db.openSnapshot(QStringLiteral("SELECT * FROM pragma_%1").arg(pragma));
    return rs->eof() ? 0 : qint64(rs->field(pragma).toDouble());
}

QString megabytes(qint64 bytes) {
    return QString::number((bytes + (1 << 20) - 1) >> 20);
}

// The data of the earlier file, without its free pages: what the new file will about hold.
qint64 dataSize(Connection& db) {
    return (pragmaValue(db, QStringLiteral("page_count")) -
            pragmaValue(db, QStringLiteral("freelist_count"))) *
           pragmaValue(db, QStringLiteral("page_size"));
}

[[noreturn]] void raiseNoRoom(qint64 needed, const QString& folder) {
    const qint64 free = QStorageInfo(folder).bytesAvailable();
    const QString room =
        free < needed
            ? QStringLiteral("%1 MB of free space are needed, and %2 MB are free. Free %3 MB more in %4")
                  .arg(megabytes(needed), QString::number(free >> 20), megabytes(needed - free), folder)
            : QStringLiteral("the disk filled up while it was written. Free more space in %1").arg(folder);
    DbError::raiseEngine(room, SQLITE_FULL);
}
// The file would stay theirs once the converted one takes its name.
void requireNoOtherHolder(const QString& path) {
    const QStringList holders = processesHolding(path);
    if (!holders.isEmpty())
        DbError::raiseEngine(QStringLiteral("it is open in %1").arg(holders.join(QStringLiteral(", "))),
                             SQLITE_BUSY);
}

struct SchemaObject {
    QString type, name, table, sql;
};

std::vector<SchemaObject> earlierObjects(Connection& db) {
    const RecordsetPtr rs = db.openSnapshot(
        QStringLiteral("SELECT type, name, tbl_name, sql FROM %1.sqlite_schema WHERE sql IS NOT NULL "
                       "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid")
            .arg(kEarlier));
    std::vector<SchemaObject> objects;
    for (; !rs->eof(); rs->moveNext()) {
        SchemaObject object{rs->field(QStringLiteral("type")).concatText(),
                            rs->field(QStringLiteral("name")).concatText(),
                            rs->field(QStringLiteral("tbl_name")).concatText(),
                            rs->field(QStringLiteral("sql")).concatText()};
        if (!isOwnCardObject(object.name)) objects.push_back(object);
    }
    return objects;
}

// Runs a user's statement; what the new file cannot take is named, and the rest goes on.
bool carry(Connection& db, const SchemaObject& object, const QString& sql, QStringList& notCarried) {
    try {
        db.execute(QStringLiteral("SAVEPOINT carry"));
        db.execute(sql);
        // A view is made whatever it names: one that cannot be read is not carried over.
        if (object.type == QLatin1String("view"))
            db.openSnapshot(
                QStringLiteral("SELECT * FROM main.%1 LIMIT 0").arg(quoteIdentifier(object.name)));
        db.execute(QStringLiteral("RELEASE carry"));
        return true;
    } catch (const VbError& error) {
        if (DbError::causeOf(error) == DbError::Cause::Full) throw;
        db.execute(QStringLiteral("ROLLBACK TO carry; RELEASE carry"));
        notCarried << QStringLiteral("the %1 %2: %3").arg(object.type, object.name, error.description());
        return false;
    }
}

// An index on a card table goes to the table that now holds its columns.
QString retargeted(const SchemaObject& index) {
    const QString cardTable = cardTableOf(index.table);
    if (cardTable == index.table && !isOwnCardObject(index.table)) return index.sql;
    QString sql = index.sql;
    sql.replace(QRegularExpression(
                    QStringLiteral("\\bON\\s+(\"?)%1\\1\\s*\\(").arg(QRegularExpression::escape(index.table)),
                    QRegularExpression::CaseInsensitiveOption),
                QStringLiteral("ON %1 (").arg(tableWithoutLargeValues(cardTable)));
    return sql;
}

// The last key given in each table stays given, also where it was a card table's own.
QString lastKeysStatements() {
    QString mapped = QStringLiteral("CASE");
    for (const CardTable& table : cardTables())
        for (const QString& earlier : {table.name, table.data()})
            mapped += QStringLiteral(" WHEN name = %1 COLLATE NOCASE THEN %2")
                          .arg(quoteText(earlier), quoteText(table.data()));
    const QString given =
        QStringLiteral("(SELECT %1 ELSE name END AS name, max(seq) AS seq FROM %2.sqlite_sequence "
                       "GROUP BY 1)")
            .arg(mapped, kEarlier);
    return QStringLiteral("UPDATE main.sqlite_sequence SET seq = e.seq FROM %1 AS e "
                          "WHERE e.name = sqlite_sequence.name AND e.seq > sqlite_sequence.seq;"
                          "INSERT INTO main.sqlite_sequence (name, seq) SELECT e.name, e.seq FROM %1 AS e "
                          "WHERE e.name NOT IN (SELECT name FROM main.sqlite_sequence) "
                          "AND e.name IN (SELECT name FROM main.sqlite_schema WHERE type = 'table')")
        .arg(given);
}

QStringList writeConverted(Connection& db, const QString& earlierPath) {
    QStringList notCarried;
    db.execute(QStringLiteral("ATTACH %1 AS %2").arg(quoteText(earlierPath), kEarlier));
    db.execute(QStringLiteral("BEGIN"));
    const std::vector<SchemaObject> objects = earlierObjects(db);
    QStringList tables;
    for (const SchemaObject& object : objects)
        if (object.type == QLatin1String("table") && carry(db, object, object.sql, notCarried))
            tables << object.name;
    for (const QString& table : tables)
        db.execute(
            QStringLiteral("INSERT INTO main.%1 SELECT * FROM %2.%1").arg(quoteIdentifier(table), kEarlier));
    for (const CardTable& table : cardTables()) {
        const EarlierCardTable earlier = earlierCardTable(db, table, kEarlier);
        createStoredTables(db, table, earlier.columns);
        for (const bool pictures : {false, true}) {
            QStringList names, sources;
            for (const CardColumn& column : earlier.columns) {
                if (!column.key && column.isPicture() != pictures) continue;
                names << quoteIdentifier(column.name);
                sources << earlier.source(column);
            }
            db.execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4")
                           .arg(pictures ? table.pictures() : table.data(), names.join(QStringLiteral(", ")),
                                sources.join(QStringLiteral(", ")), earlier.rows));
        }
    }
    db.execute(lastKeysStatements());
    db.execute(cardIndexStatements());
    for (const CardTable& table : cardTables())
        for (const auto& [name, sql] : accessStatements(table, storedColumns(db, table)))
            db.execute(sql);
    for (const SchemaObject& object : objects)
        if (object.type != QLatin1String("table"))
            carry(db, object, object.type == QLatin1String("index") ? retargeted(object) : object.sql,
                  notCarried);
    db.execute(QStringLiteral("COMMIT"));
    db.execute(QStringLiteral("DETACH %1").arg(kEarlier));
    return notCarried;
}

struct KeptFile {
    QString path;
    bool madeNow = false; // removed again when the conversion fails after it
};

// Keeps the earlier file under a name of its own by a second link to it, so that the database's
// name never stands empty; a link that a killed conversion made is used again.
KeptFile keepEarlier(const QString& path) {
    const QDir folder = QFileInfo(path).absoluteDir();
    const QString base = earlierFileName();
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1-%2.mdb").arg(base.chopped(4)).arg(n);
        const QString kept = folder.filePath(name);
        if (QFileInfo(kept).isSymLink()) continue;
        if (QFileInfo::exists(kept)) {
            if (fileIdentity(kept) == fileIdentity(path)) return {kept};
            continue;
        }
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0)
            return {kept, true};
        if (errno == EEXIST) continue;
        const int failure = errno;
        throw VbError(VbError::PathFileAccessError,
                      QStringLiteral("the earlier file cannot be kept as %1: %2")
                          .arg(kept, QString::fromLocal8Bit(std::strerror(failure))));
    }
}

} // namespace

QString earlierFileName() {
    return QStringLiteral("zqj-earlier-version.mdb");
}

ConvertedDatabase convertCardLayout(const QString& databasePath) {
    const QFileInfo link(databasePath);
    const QString path =
        link.canonicalFilePath().isEmpty() ? link.absoluteFilePath() : link.canonicalFilePath();
    const QFileInfo file(path);
    if (!canWriteIn(file.absolutePath()))
        DbError::raiseEngine(QStringLiteral("its folder %1 cannot be written").arg(file.absolutePath()),
                             SQLITE_READONLY);
    // What a killed conversion left: its new file and that file's journal.
    TemporaryDatabase::removeLeftovers(file);
    beginStep(ConversionStep::Lock);
    // No other program writes the earlier file until the converted one has taken its name.
    const std::shared_ptr<Connection> earlier = Connection::open(path);
    earlier->execute(QStringLiteral("BEGIN IMMEDIATE"));
    requireNoOtherHolder(path);
    const qint64 needed = dataSize(*earlier) + (1 << 20);
    if (QStorageInfo(file.absolutePath()).bytesAvailable() < needed) raiseNoRoom(needed, file.absolutePath());

    ConvertedDatabase converted;
    TemporaryDatabase target(file);
    try {
        beginStep(ConversionStep::Write);
        converted.notCarried = writeConverted(*Connection::create(target.path()), path);
    } catch (const VbError& error) {
        if (DbError::causeOf(error) != DbError::Cause::Full) throw;
        target.remove(); // before the free space is told
        raiseNoRoom(needed, file.absolutePath());
    }
    beginStep(ConversionStep::Keep);
    const KeptFile kept = keepEarlier(path);
    try {
        beginStep(ConversionStep::PutInPlace);
        requireNoOtherHolder(path);
        target.placeAt(path);
    } catch (const VbError&) {
        if (kept.madeNow) QFile::remove(kept.path);
        throw;
    }
    converted.keptAs = kept.path;
    earlier->execute(QStringLiteral("ROLLBACK"));
    return converted;
}

void setConversionStepObserver(std::function<void(ConversionStep)> observer) {
    stepObserver() = std::move(observer);
}
