#include "modCompact.h"
#include "frmCR.h"
#include "modData.h"

#include "db/connection.h"
#include "db/dberrors.h"
#include "db/recordset.h"
#include "db/sqlstatement.h"
#include "forms/dialogs.h"
#include "forms/screen.h"
#include "runtime/app.h"
#include "runtime/files.h"
#include "runtime/replacementfile.h"
#include "runtime/settings.h"
#include "runtime/vberror.h"

#include <QFileInfo>

#include <limits>

namespace {
const QString kAppName = QStringLiteral("ZQJ2");
const QString kSection = QStringLiteral("Database");
const QString kCountKey = QStringLiteral("Loaded");

constexpr qint16 kQuestionFrom = 20;
constexpr qint16 kAfterLater = 11;
constexpr qint16 kAfterCompacting = 1;

constexpr qint16 kAnswerYes = 1;
constexpr qint16 kAnswerNo = 2;
constexpr qint16 kAnswerLater = 3;

// Long enough for another program to end a write; short enough not to stall the start.
constexpr int kBusyWaitMs = 5000;

std::function<void(CompactStep)>& stepObserver() {
    static std::function<void(CompactStep)> observer;
    return observer;
}

void beginStep(CompactStep step) {
    if (stepObserver()) stepObserver()(step);
}

// A value that is no whole number of the counter's range counts as absent.
qint16 storedCount() {
    bool ok = false;
    const qint16 count = GetSetting(kAppName, kSection, kCountKey).trimmed().toShort(&ok);
    return ok ? count : 0;
}

// The count only decides when to ask: a store that cannot be written never stops the start.
void storeCount(qint16 count) {
    try {
        SaveSetting(kAppName, kSection, kCountKey, QString::number(count));
    } catch (const VbError&) {
    }
}

// The count stays at its largest value instead of overflowing.
qint16 nextCount(qint16 count) {
    return count < std::numeric_limits<qint16>::max() ? qint16(count + 1) : count;
}

qint16 askToCompact() {
    frmCR->Show(vbModal);
    // The close box unloads the dialog: no answer.
    const FrmCR* answered = frmCR.ifLoaded();
    return answered ? answered->Answer : 0;
}

QString firstValue(Connection& db, const QString& sql) {
    return db.openSnapshot(sql)->field(QStringLiteral("value")).concatText();
}

// What a whole copy shares with its database: every table with its number of rows, and the last
// key given in each table, so that no key is given twice. Sorted: a copy need not list its tables
// in the same order (VACUUM INTO makes virtual tables, such as full-text ones, last).
QStringList contentsOf(Connection& db) {
    QStringList contents;
    for (const QString& table : db.tableNames())
        contents << table + QLatin1Char('=') +
                        firstValue(db,
                                   QStringLiteral("SELECT count(*) AS value FROM ") + quoteIdentifier(table));
    const RecordsetPtr keys =
        db.openSnapshot(QStringLiteral("SELECT name, seq FROM sqlite_sequence ORDER BY name"));
    for (; !keys->eof(); keys->moveNext())
        contents << keys->field(QStringLiteral("name")).concatText() + QLatin1Char(':') +
                        keys->field(QStringLiteral("seq")).concatText();
    contents.sort();
    return contents;
}

// A connection that waits for another program's lock a while instead of failing at once.
std::shared_ptr<Connection> openWaiting(const QString& path) {
    const std::shared_ptr<Connection> db = Connection::open(path);
    db->execute(QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyWaitMs));
    return db;
}

QString integrityOf(Connection& db) {
    return firstValue(db, QStringLiteral("SELECT integrity_check AS value FROM pragma_integrity_check"));
}

void requireIntact(Connection& db, const QString& path) {
    const QString check = integrityOf(db);
    if (check != QLatin1String("ok"))
        DbError::raiseDamaged(QStringLiteral("The database %1 is damaged: %2").arg(path, check));
}

// SQLite reports some damage as an error instead of a finding. Any other error, such as another
// program's lock, is no sign of damage: a restore would write over what that program wrote.
bool failsIntegrityCheck(const QString& database) {
    try {
        return integrityOf(*openWaiting(database)) != QLatin1String("ok");
    } catch (const VbError& error) {
        const DbError::Cause cause = DbError::causeOf(error);
        return cause == DbError::Cause::Damaged || cause == DbError::Cause::NotADatabase;
    }
}

// The backup is made from the database as SQLite sees it, so an unfinished transaction that a
// killed program left is rolled back first; it takes the old backup's place only once checked.
void makeBackup(Connection& database, const QString& backup) {
    ReplacementFile file(backup);
    database.execute(QStringLiteral("VACUUM INTO ") + quoteText(file.temporaryPath()));
    {
        const std::shared_ptr<Connection> copy = Connection::open(file.temporaryPath());
        requireIntact(*copy, backup);
        if (contentsOf(*copy) != contentsOf(database))
            DbError::raiseEngine(QStringLiteral("The backup is not complete: ") + backup);
    }
    file.commit();
}

void restoreBackup(const QString& backup, const QString& database) {
    const std::shared_ptr<Connection> source = Connection::open(backup);
    requireIntact(*source, backup);
    if (!hasOurTables(*source))
        DbError::raiseEngine(QStringLiteral("The backup lacks tables of the database: ") + backup);
    openWaiting(database)->replaceContentWith(*source);
}

// The file as the start's messages name it: its name and its folder.
QString named(const QString& path) {
    const QFileInfo file(path);
    return QStringLiteral("%1 in %2").arg(file.fileName(), file.absolutePath());
}

QString errorText(const VbError& error) {
    return QStringLiteral("\r\n\r\n") + error.shownText();
}

// Only for a database damaged after the failure, with this compaction's checked backup at hand.
void offerBackup(const VbError& error, const QString& backup, const QString& database) {
    const int answer = MsgBox(QStringLiteral("ZQJ tried to compact the database but a problem occured.\r\n"
                                             "Would you like ZQJ will to try restore its backup?") +
                                  errorText(error),
                              vbYesNo + vbExclamation, QStringLiteral("Repair database"));
    if (answer == vbYes) {
        try {
            restoreBackup(backup, database);
        } catch (const VbError& failure) {
            MsgBox(QStringLiteral("The backup %1 is not restored: the database %2 stays as it is.")
                           .arg(named(backup), named(database)) +
                       errorText(failure),
                   vbExclamation, QStringLiteral("Repair database"));
            return;
        }
        // The database now holds what the backup held.
        try {
            Kill(backup);
        } catch (const VbError&) {
        }
        return;
    }
    MsgBox(QStringLiteral("The database is backup up as '") + backup +
               QStringLiteral("'. You may manually rename it to '") + database + QStringLiteral("'."),
           vbInformation, QStringLiteral("Repair"));
}

// How far a compaction came before it failed.
enum class Reached { Start, Backup, Compacted };

// A failed VACUUM changes nothing, so a restore is offered only for a database damaged all the
// same; otherwise an older backup would undo what was written since. Damage found before this
// compaction's backup goes to the start, which reports it once with what the user can do.
void reportFailure(const VbError& error, Reached reached, const QString& backup, const QString& database) {
    const QString title = QStringLiteral("Compact the database");
    if (reached == Reached::Compacted) {
        MsgBox(QStringLiteral("The database %1 was compacted, but its backup %2 could not be deleted.")
                       .arg(named(database), QFileInfo(backup).fileName()) +
                   errorText(error),
               vbExclamation, title);
        return;
    }
    // SQLite reports some damage as a full disk; a lock is no sign of damage.
    if (DbError::causeOf(error) != DbError::Cause::Locked && failsIntegrityCheck(database)) {
        if (reached == Reached::Start)
            DbError::raiseDamaged(QStringLiteral("The database %1 is damaged.").arg(database));
        offerBackup(error, backup, database);
        return;
    }
    MsgBox(QStringLiteral("ZQJ tried to compact the database but a problem occured.\r\n"
                          "The database %1 was not changed.")
                   .arg(named(database)) +
               errorText(error),
           vbExclamation, title);
}
} // namespace

void CheckCompactReminder() {
    const qint16 count = storedCount();
    if (count < kQuestionFrom) {
        storeCount(nextCount(count));
        return;
    }
    switch (askToCompact()) {
    case kAnswerYes: {
        const HourglassScope hourglass;
        // Asked again after as many starts whether or not the compaction succeeds: a database
        // that cannot be compacted now is not asked about at every start.
        storeCount(kAfterCompacting);
        CompactDatabase();
        break;
    }
    case kAnswerNo:
        storeCount(nextCount(count));
        break;
    case kAnswerLater:
        storeCount(kAfterLater);
        break;
    default: // closed: asked again at the next start
        break;
    }
}

bool CompactDatabase() {
    const QString folder = App::Path();
    const QString database = folder + QStringLiteral("/zqj.mdb");
    const QString copy = folder + QStringLiteral("/zqj1.mdb");
    const QString backup = folder + QStringLiteral("/zqjbup.mdb");
    ReplacementFile::removeLeftovers(folder);
    Reached reached = Reached::Start;
    try {
        beginStep(CompactStep::RemoveOldCopy);
        // An earlier version compacted into this copy.
        if (!Dir(copy).isEmpty()) Kill(copy);
        {
            const std::shared_ptr<Connection> source = openWaiting(database);
            beginStep(CompactStep::Backup);
            makeBackup(*source, backup);
            reached = Reached::Backup;
            beginStep(CompactStep::Compact);
            source->execute(QStringLiteral("VACUUM"));
        }
        reached = Reached::Compacted;
        beginStep(CompactStep::RemoveBackup);
        Kill(backup);
        return true;
    } catch (const VbError& error) {
        // A backup that failed for a full disk leaves SQLite's journal beside its temporary.
        ReplacementFile::removeLeftovers(folder);
        reportFailure(error, reached, backup, database);
        return reached == Reached::Compacted;
    }
}

void setCompactStepObserver(std::function<void(CompactStep)> observer) {
    stepObserver() = std::move(observer);
}
