#include "modData.h"
#include "frmCard2nd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "modCompact.h"
#include "rowlookup.h"

#include "cardindexes.h"
#include "cardtables.h"
#include "layoutconversion.h"

#include "db/dberrors.h"
#include "forms/dialogs.h"
#include "forms/guard.h"
#include "runtime/app.h"
#include "runtime/files.h"
#include "runtime/folderlock.h"
#include "runtime/vberror.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QWindow>
#include <algorithm>

std::shared_ptr<Connection> cnData;
QString PicTempPath;
bool DatabaseFound = false;

qint32 iSetID = 0;
qint16 iSetEditionID = 0;
qint16 iSetLanguageID = 0;

RecordsetPtr rsSet;
RecordsetPtr rsCard, rsCharacter, rsLargeCard;
RecordsetPtr rsCardType, rsCardBack, rsCharacterBack, rsArea, rsAlignment;
QString strSQL;

namespace {
// A file that opens but lacks any of these is not our database.
const QStringList kTables = {"tblSet",      "tblFont",      "tblLanguage",      "tblPicFormat",
                             "tblArea",     "tblAlignment", "tblCharacterBack", "tblCardType",
                             "tblCardBack", "tblCard",      "tblCharacter",     "tblLargeCard"};
} // namespace

QStringList missingTables(const Connection& connection) {
    const QStringList present = connection.tableNames();
    QStringList missing;
    for (const QString& table : kTables) {
        // A card table of the current layout is a view: its rows are in its data table.
        const bool card = std::any_of(cardTables().begin(), cardTables().end(),
                                      [&](const CardTable& cardTable) { return cardTable.name == table; });
        const QString stored = card ? tableWithoutLargeValues(table) : table;
        if (!present.contains(table, Qt::CaseInsensitive) && !present.contains(stored, Qt::CaseInsensitive))
            missing << stored;
    }
    return missing;
}

bool hasOurTables(const Connection& connection) {
    return missingTables(connection).isEmpty();
}

namespace {
// One copy of the program per database: the folder that holds the database stays locked for
// the run.
std::unique_ptr<FolderLock> runLock;

// Why the start found no usable database. A file that is there is never called missing.
enum class StartFailure {
    None,
    Missing,
    InUse,
    NotWritable,
    DiskFull,
    OtherOwner,
    Damaged,
    Unusable,
    NotConverted,
    NotMended
};
StartFailure startFailure = StartFailure::None;
QString unusableBecause; // what is wrong with a file that is there, for Unusable
QString failureDetail;   // why the conversion of an earlier layout failed, in its own words

QString databasePath() {
    QString path = App::Path() + QStringLiteral("/") + QStringLiteral("/zqj.mdb");
    path.replace(QStringLiteral("//"), QStringLiteral("/"));
    return path;
}

// The folder of the database file itself, links followed: program folders that share one
// database through a link share its lock.
QString databaseFolder() {
    const QString resolved = QFileInfo(databasePath()).canonicalFilePath();
    return resolved.isEmpty() ? App::Path() : QFileInfo(resolved).absolutePath();
}

bool openInAnotherCopy() {
    runLock.reset();
    runLock = std::make_unique<FolderLock>(databaseFolder());
    return runLock->heldElsewhere();
}

StartFailure unusable(const QString& because) {
    unusableBecause = because;
    return StartFailure::Unusable;
}

// A file that is there but cannot be opened: held by another program, left with a journal (an
// interrupted write) that cannot be undone where nothing can be written, or broken.
StartFailure failureOf(const VbError& error, const QString& path) {
    if (!QFileInfo::exists(path)) return StartFailure::Missing;
    const DbError::Cause cause = DbError::causeOf(error);
    if (cause == DbError::Cause::Locked) return StartFailure::InUse;
    if (cause == DbError::Cause::Damaged) return StartFailure::Damaged;
    if (cause == DbError::Cause::Full) return StartFailure::DiskFull;
    const bool journal = QFileInfo::exists(path + QStringLiteral("-journal"));
    if (cause == DbError::Cause::ReadOnly || (journal && !canWriteIn(databaseFolder())))
        return StartFailure::NotWritable;
    return unusable(error.description());
}

// What the user can do about a damaged database: go back to the backup the last compaction kept,
// or save what SQLite can still read.
QString damageAdvice() {
    const QFileInfo backup(App::Path() + QStringLiteral("/zqjbup.mdb"));
    if (backup.exists())
        return QStringLiteral("Its backup zqjbup.mdb of %1 is in the same folder. To go back to it, rename "
                              "zqj.mdb to keep it, then rename zqjbup.mdb to zqj.mdb; what was changed "
                              "since the backup is lost.")
            .arg(QLocale().toString(backup.lastModified(), QLocale::ShortFormat));
    // The shell's .dump works with every sqlite3 (.recover fails in some); after damage it ends its
    // output with ROLLBACK, which sed turns into COMMIT so that the rows read are kept.
    return QStringLiteral("There is no backup zqjbup.mdb beside it. SQLite can save what is still "
                          "readable into a new file, with this command in that folder:\r\n\r\n"
                          "sqlite3 zqj.mdb .dump | sed '$s/^ROLLBACK;.*/COMMIT;/' |\r\n"
                          "sqlite3 zqj-recovered.mdb\r\n\r\n"
                          "Rename zqj.mdb to keep it, then rename zqj-recovered.mdb to zqj.mdb.");
}

// How a new database without sets is made, as the end of a sentence.
QString newDatabaseAdvice() {
    return QStringLiteral("run scripts/install of the program's sources: it puts the program into "
                          "~/.local/share/zqj2 (or $XDG_DATA_HOME/zqj2 where that is set) and makes a new "
                          "zqj.mdb there, where none is.");
}

// Who may not use the file, and for what.
QString otherOwnersFile(const QString& path) {
    const QFileInfo file(path);
    return QStringLiteral("The database zqj.mdb in %1 belongs to the user %2 and cannot be %3 by you.\r\n\r\n"
                          "Make the file yours (or start the program as that user), then start it again.")
        .arg(databaseFolder(), file.owner().isEmpty() ? QString::number(file.ownerId()) : file.owner(),
             fileAccess(path).readable ? QStringLiteral("written") : QStringLiteral("read"));
}

void reportStartFailure() {
    switch (startFailure) {
    case StartFailure::InUse:
        // The conversion names a program that holds the file open without a lock.
        MsgBox(QStringLiteral("The database zqj.mdb is in use by another program%1.\r\n\r\n"
                              "Close that program, then start this one again.")
                   .arg(failureDetail.startsWith(QLatin1String("it is open in"))
                            ? QStringLiteral(": ") + failureDetail
                            : QString()),
               vbExclamation, QStringLiteral("Database in use"));
        return;
    case StartFailure::NotWritable:
        MsgBox(QStringLiteral("The database zqj.mdb cannot be opened: its folder cannot be written.\r\n\r\n"
                              "%1\r\n\r\nMake the folder writable, then start the program again.")
                   .arg(databaseFolder()),
               vbCritical, QStringLiteral("Database cannot be written"));
        return;
    case StartFailure::DiskFull:
        // SQLite undoes what the start began writing, at the latest when the file is next opened.
        MsgBox(
            failureDetail.isEmpty()
                ? QStringLiteral(
                      "The database zqj.mdb in %1 cannot be opened: the disk is full. Nothing in it "
                      "was changed.\r\n\r\nFree some space, then start the program again.")
                      .arg(databaseFolder())
                : QStringLiteral(
                      "The sets in zqj.mdb in %1 must be rearranged for this version of the program, "
                      "into a new file beside it, but the disk has too little room: %2. Nothing in zqj.mdb "
                      "was changed.\r\n\r\nThen start the program again.")
                      .arg(databaseFolder(), failureDetail),
            vbCritical, QStringLiteral("Disk full"));
        return;
    case StartFailure::OtherOwner:
        MsgBox(otherOwnersFile(databasePath()), vbCritical, QStringLiteral("Database of another user"));
        return;
    case StartFailure::Damaged:
        MsgBox(QStringLiteral("The database zqj.mdb in %1 is damaged.\r\n\r\n").arg(databaseFolder()) +
                   damageAdvice() + QStringLiteral("\r\n\r\nThen start the program again."),
               vbCritical, QStringLiteral("Database damaged"));
        return;
    case StartFailure::Unusable:
        MsgBox(QStringLiteral(
                   "The database zqj.mdb in %1 cannot be used:\r\n\r\n%2\r\n\r\n"
                   "Put a database of this program in its place, then start the program again.\r\n\r\n"
                   "Or, to start without sets, move zqj.mdb out of the folder and ")
                       .arg(databaseFolder(), unusableBecause) +
                   newDatabaseAdvice(),
               vbCritical, QStringLiteral("Database cannot be used"));
        return;
    case StartFailure::NotConverted:
        MsgBox(QStringLiteral("The sets in zqj.mdb in %1 could not be rearranged for this version of the "
                              "program:\r\n\r\n%2\r\n\r\nNothing in zqj.mdb was changed.")
                   .arg(databaseFolder(), failureDetail),
               vbCritical, QStringLiteral("Database not rearranged"));
        return;
    case StartFailure::NotMended:
        MsgBox(
            QStringLiteral("The database zqj.mdb in %1 lacks parts of the program's card tables, which could "
                           "not be made again:\r\n\r\n%2\r\n\r\nNothing in zqj.mdb was changed.")
                .arg(databaseFolder(), failureDetail),
            vbCritical, QStringLiteral("Database not mended"));
        return;
    default:
        MsgBox(QStringLiteral("The database is missing.\r\n\r\n"
                              "Make sure the file ZQJ.MDB is in the same folder as the program.\r\n\r\n"
                              "The program's folder: %1\r\n\r\n"
                              "To make a new database without sets, ")
                       .arg(App::Path()) +
                   newDatabaseAdvice(),
               16, QStringLiteral("Missing database"));
    }
}

// A database whose folder cannot be written opens, but no change to its sets could be saved:
// the user hears it before the first edit fails.
void reportUnwritableFolder() {
    if (canWriteIn(databaseFolder())) return;
    MsgBox(
        QStringLiteral("The folder %1 of the database zqj.mdb cannot be written: the sets can be looked at, "
                       "but no change to them can be saved.\r\n\r\n"
                       "Make the folder writable, then start the program again.")
            .arg(databaseFolder()),
        vbExclamation, QStringLiteral("Database cannot be written"));
}

// A database of an earlier build lacks the card tables' indexes. Without them a large set only
// opens slowly, so a database where they cannot be made (read-only, locked by another
// program) is used as it is, and the next start tries again.
void addCardIndexes(Connection& connection) {
    try {
        connection.execute(cardIndexStatements());
    } catch (const VbError&) {
    }
}

// A step that changes a database of ours failed: its sets are whole, so nothing advises putting
// another database in its place.
void failStep(const VbError& error, const QString& path, StartFailure failure) {
    startFailure = failureOf(error, path);
    if (startFailure == StartFailure::Unusable) startFailure = failure;
    failureDetail = error.description();
}

// A database of an earlier build keeps its card tables in an earlier layout. Converting it
// takes seconds for a large set, before any window shows: a notice says why.
ConvertedDatabase convertWithNotice(const QString& path) {
    QLabel notice(QStringLiteral("Rearranging the sets in zqj.mdb for this version of the program.\n"
                                 "This is done once; for a large set it takes some seconds."));
    notice.setWindowFlags(Qt::SplashScreen);
    notice.setMargin(16);
    notice.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        notice.move(screen->availableGeometry().center() - notice.rect().center());
    notice.show();
    // Shown only once the window system has mapped it; the move itself gives no event loop a turn.
    QElapsedTimer waited;
    waited.start();
    while (!notice.windowHandle()->isExposed() && waited.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    try {
        return convertCardLayout(path);
    } catch (const VbError& error) {
        failStep(error, path, StartFailure::NotConverted);
        throw;
    }
}

// Makes again what a tool dropped of the card tables.
QStringList mendWithCause(Connection& connection, const QString& path) {
    try {
        return mendCardTables(connection);
    } catch (const VbError& error) {
        failStep(error, path, StartFailure::NotMended);
        throw;
    }
}

void reportConversion(const ConvertedDatabase& converted) {
    const QFileInfo kept(converted.keptAs);
    QString text =
        QStringLiteral("The sets in zqj.mdb were rearranged for this version of the program.\r\n\r\n"
                       "The earlier file is kept as %1 in %2. The earlier version of the program "
                       "opens it when it is named zqj.mdb. Delete it when you no longer need it: "
                       "what you change from now on is only in zqj.mdb.")
            .arg(kept.fileName(), kept.absolutePath());
    if (!converted.notCarried.isEmpty())
        text +=
            QStringLiteral("\r\n\r\nWhat you made in the file that could not be carried over, and is only in "
                           "the earlier file:\r\n") +
            converted.notCarried.join(QStringLiteral("\r\n"));
    MsgBox(text, converted.notCarried.isEmpty() ? vbInformation : vbExclamation,
           QStringLiteral("Database rearranged"));
}

// Clears a lookup's filter however its reading ends.
class FilterReset {
public:
    explicit FilterReset(Recordset& rs) : m_rs(rs) {}
    ~FilterReset() { m_rs.setFilter(QString()); }
    FilterReset(const FilterReset&) = delete;
    FilterReset& operator=(const FilterReset&) = delete;

private:
    Recordset& m_rs;
};

// A damaged database met while the windows come up ends the start with one message that says
// what can be done, instead of an error for each window.
void runStartStep(const std::function<void()>& step) {
    runGuarded([&] {
        try {
            step();
        } catch (const VbError& error) {
            if (DbError::causeOf(error) != DbError::Cause::Damaged) throw;
            startFailure = StartFailure::Damaged;
        }
    });
}
} // namespace

bool Main() {
    // Set for the application, so that every window and message carries it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zqj.xpm")));
    bool inAnotherCopy = false;
    runGuarded([&] {
        inAnotherCopy = openInAnotherCopy();
        if (!inAnotherCopy) OpenDatabase();
    });
    if (inAnotherCopy) {
        MsgBox(QStringLiteral("The database zqj.mdb is open in another copy of the program."), vbExclamation,
               QStringLiteral("ZQJ2"));
        return false;
    }
    if (!DatabaseFound) {
        reportStartFailure();
        return false;
    }
    iSetID = 0;
    runStartStep([] {
        frmMaster->Show();
        frmMaster->InitialiseSet();
    });
    // The editors are loaded hidden, unless the first set change already did it.
    if (frmMaster.isLoaded() && startFailure == StartFailure::None) {
        runStartStep([] {
            frmCard2nd.get();
            frmCharacter2nd.get();
            frmLarge2nd.get();
        });
    }
    if (startFailure != StartFailure::None) {
        frmMaster.unload();
        reportStartFailure();
        return false;
    }
    if (frmMaster.isLoaded()) reportUnwritableFolder();
    // Without its main window the program could not be ended.
    return frmMaster.isLoaded();
}

void OpenDatabase() {
    PicTempPath = App::Path() + QStringLiteral("/zqj.pic");
    const QString path = databasePath();
    DatabaseFound = false;
    startFailure = StartFailure::Missing;
    failureDetail.clear();
    try {
        if (Dir(path, vbNormal).isEmpty()) return;
        const FileAccess access = fileAccess(path);
        if (!access.owned && !(access.readable && access.writable)) {
            startFailure = StartFailure::OtherOwner;
            return;
        }
        // Only the owner may change a file's mode; another user's file that may be written is
        // used as it is.
        if (access.owned) SetAttr(path, vbNormal);
        // Before any connection holds the file, so that a compaction may replace it.
        CheckCompactReminder();
        auto connection = Connection::open(path);
        // A file that lacks only some was ours: its missing tables are named.
        if (const QStringList missing = missingTables(*connection); !missing.isEmpty()) {
            startFailure = unusable(missing.size() == kTables.size()
                                        ? QStringLiteral("it does not hold the tables of this program.")
                                        : QStringLiteral("these tables of it are missing: %1.")
                                              .arg(missing.join(QStringLiteral(", "))));
            return;
        }
        std::optional<ConvertedDatabase> converted;
        if (hasEarlierCardLayout(*connection)) {
            connection.reset();
            converted = convertWithNotice(path);
            connection = Connection::open(path);
        }
        const QStringList mended = mendWithCause(*connection, path);
        addCardIndexes(*connection);
        cnData = std::move(connection);
        DatabaseFound = true;
        startFailure = StartFailure::None;
        if (converted) reportConversion(*converted);
        if (!mended.isEmpty())
            MsgBox(QStringLiteral(
                       "zqj.mdb lacked parts of the program's card tables, which were made again:\r\n") +
                       mended.join(QStringLiteral("\r\n")),
                   vbExclamation, QStringLiteral("Database mended"));
    } catch (const VbError& error) {
        if (startFailure == StartFailure::Missing) startFailure = failureOf(error, path);
    }
}

RecordsetPtr GetRecordset(const QString& sql) {
    return cnData->openSnapshot(sql);
}

void OpenRecordset(const QString& sql, RecordsetPtr& rs) {
    rs = cnData->openLive(sql);
}

bool RecordExists(const QString& sql) {
    const RecordsetPtr rs = GetRecordset(sql);
    return !(rs->bof() && rs->eof());
}

void LoadLookups(qint16 EditionID, qint16 LanguageID) {
    const auto byEditionAndLanguage = [&](const QString& head, const QString& order) {
        return head + QString::number(EditionID) + QStringLiteral(" AND LanguageID = ") +
               QString::number(LanguageID) + order;
    };
    strSQL = byEditionAndLanguage(QStringLiteral("SELECT * FROM tblCardType WHERE EditionID = "),
                                  QStringLiteral(" ORDER BY LanguageID, UpperLeft, LowerLeft, Number"));
    rsCardType = GetRecordset(strSQL);
    strSQL = byEditionAndLanguage(QStringLiteral("SELECT * FROM tblCardBack WHERE EditionID = "),
                                  QStringLiteral(" ORDER BY LanguageID, Original, BackText"));
    rsCardBack = GetRecordset(strSQL);
    strSQL = byEditionAndLanguage(QStringLiteral("SELECT * FROM tblCharacterBack WHERE EditionID = "),
                                  QStringLiteral(" ORDER BY LanguageID, Original, BackText"));
    rsCharacterBack = GetRecordset(strSQL);
    strSQL = byEditionAndLanguage(
        QStringLiteral("SELECT *, IFNULL([Board],'') || ' : ' || IFNULL([Area],'') AS StartArea "
                       "FROM tblArea WHERE EditionID = "),
        QStringLiteral(" ORDER BY LanguageID, Board, Area"));
    rsArea = GetRecordset(strSQL);
    strSQL = QStringLiteral("SELECT * FROM tblAlignment WHERE LanguageID = ") + QString::number(LanguageID) +
             QStringLiteral(" ORDER BY LanguageID, AlignmentNr");
    rsAlignment = GetRecordset(strSQL);
}

QString openSetLanguageKey() {
    return QString::number(storedKey(rsSet->field(QStringLiteral("LanguageID"))).value_or(0));
}

bool openSetHasLists() {
    return rsSet && !rsSet->bof() && !rsSet->eof() && iSetEditionID != 0;
}

QString GetAreaText(qint32 AreaID, bool boardFirst, bool includeBoard) {
    if (!rsArea) return QString(); // no set's lookups were loaded
    return areaText(*rsArea, AreaID, boardFirst, includeBoard);
}

QString areaText(Recordset& areas, qint32 AreaID, bool boardFirst, bool includeBoard) {
    areas.setFilter(QStringLiteral("AreaID = ") + QString::number(AreaID));
    const FilterReset reset(areas);
    if (areas.bof() && areas.eof()) return QString();
    return currentAreaText(areas, boardFirst, includeBoard);
}

QString currentAreaText(Recordset& areas, bool boardFirst, bool includeBoard) {
    const QString area = stored::text(areas, QStringLiteral("Area"));
    const QString board = stored::text(areas, QStringLiteral("Board"));
    if (includeBoard) return area + QStringLiteral(" (") + board + QStringLiteral(")");
    if (boardFirst) return board + QStringLiteral(" : ") + area;
    return area;
}

QString GetAlignmentText(qint32 AlignmentID) {
    if (!rsAlignment) return QString(); // no set's lookups were loaded
    rsAlignment->setFilter(QStringLiteral("AlignmentID = ") + QString::number(AlignmentID));
    const FilterReset reset(*rsAlignment);
    if (rsAlignment->bof() && rsAlignment->eof()) return QString();
    return stored::text(*rsAlignment, QStringLiteral("Alignment"));
}

QString YesNo(bool value) {
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

qint16 BoolToCheck(bool value) {
    return value ? 1 : 0;
}

void editRow(Recordset& rs, const std::function<void()>& assign) {
    try {
        assign();
        rs.update();
    } catch (...) {
        rs.cancelUpdate();
        throw;
    }
}

VbError changeNotSaved(const VbError& error) {
    const QString notSaved = QStringLiteral("The change was not saved: ");
    if (const QString reason = DbError::reasonOf(error); !reason.isEmpty())
        return VbError::withWords(error.number(), notSaved + reason + QLatin1Char('.'), error.source());
    // A cause already in words (a picture too large) stays in words.
    if (error.hasWords())
        return VbError::withWords(error.number(), notSaved + error.shownText(), error.source());
    return VbError(error.number(), notSaved + error.description(), error.source());
}
