#include "frmCreate.h"
#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "modData.h"
#include "modDirBrowse.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "db/lockwait.h"
#include "forms/dialogs.h"
#include "forms/loadingscope.h"
#include "forms/screen.h"
#include "runtime/conversions.h"
#include "runtime/replacementfile.h"
#include "runtime/vberror.h"

#include <QScopedValueRollback>

FormInstance<FrmCreate> frmCreate;

namespace {
const QString kTitle = QStringLiteral("Create cards");
const QString kUnknownEdition = QStringLiteral("Unknown edition");
constexpr qint32 kRed = 0xFF;
constexpr qint32 kBlack = 0x0;
// Another program holding the database is named this soon, and again while it holds on.
constexpr int kFirstAskMs = 2000;
constexpr int kAskAgainMs = 15000;

// The user chose to stop waiting for another program's lock.
QString userStoppedMessage(qsizetype written) {
    return QStringLiteral("Creating the cards stopped: you chose not to wait for the other program that is "
                          "using the database.\r\n\r\n") +
           (written == 1 ? QStringLiteral("1 file was written.")
                         : QStringLiteral("%1 files were written.").arg(written));
}

bool hasRows(const RecordsetPtr& rs) {
    return rs && !(rs->bof() && rs->eof());
}

bool checked(const CheckBox& box) {
    return box.Value() == vbChecked;
}
} // namespace

FrmCreate::FrmCreate() : Form(QStringLiteral("frmCreate")) {
    setWindowFlag(Qt::Dialog);
    setCaption(QStringLiteral("Create Cards"));
    setWidth(7680);
    setHeight(5490);

    fraInfo.setCaption(QStringLiteral("Information"));
    fraInfo.Move(240, 240, 7215, 2895);
    Label14.setCaption(QStringLiteral("Save &to:"));
    Label14.Move(240, 360, 615, 255);
    txtSaveTo.Move(1560, 360, 5055, 285);
    cmdSaveTo.setCaption(QStringLiteral("..."));
    cmdSaveTo.Move(6720, 360, 255, 285);
    Label13.setCaption(QStringLiteral("&Filename prefix:"));
    Label13.Move(240, 840, 1215, 255);
    txtFilenamePrefix.Move(1560, 840, 3255, 285);
    chkFileNr.setCaption(QStringLiteral("Add &card number to created cards filename"));
    chkFileNr.Move(1560, 1320, 3375, 255);
    chkNoBack.setCaption(QStringLiteral("C&reate cards without backside"));
    chkNoBack.Move(1560, 1680, 2535, 255);
    chkReplaceSpace.setCaption(QStringLiteral("Re&place all spaces with underline in filenames"));
    chkReplaceSpace.Move(1560, 2040, 3615, 255);
    Label15.setCaption(QStringLiteral("Sa&ve format:"));
    Label15.Move(240, 2400, 1215, 255);
    cboSaveFormat.Move(1560, 2400, 855, 315);

    fraCreate.setCaption(QStringLiteral("Select which card to create"));
    fraCreate.Move(240, 3360, 3375, 1935);
    lblEdition.setFont({QStringLiteral("MS Sans Serif"), 8.25, true, false});
    lblEdition.setCaption(QStringLiteral("2nd Edition"));
    // Wide enough for kUnknownEdition too.
    lblEdition.Move(360, 360, 2055, 255);
    chk2ndCard.setCaption(QStringLiteral("Cards"));
    chk2ndCard.Move(360, 720, 855, 255);
    chk2ndChar.setCaption(QStringLiteral("Characters"));
    chk2ndChar.Move(360, 1080, 1095, 255);
    chk2ndLarge.setCaption(QStringLiteral("Large Cards"));
    chk2ndLarge.Move(360, 1440, 1335, 255);
    lblNr2ndCards.Move(1680, 720, 375, 255);
    lblNr2ndChar.Move(1680, 1080, 375, 255);
    lblNr2ndLarge.Move(1680, 1440, 375, 255);
    cmdCreate.setCaption(QStringLiteral("Create cards"));
    cmdCreate.Move(6240, 4440, 1215, 375);
    cmdDone.setCaption(QStringLiteral("Done"));
    cmdDone.Move(6240, 4920, 1215, 375);
    // Esc closes the dialog as Done does, as in every other dialog.
    cmdDone.setCancel(true);

    txtSaveTo.Change = [this] { storeOption(QStringLiteral("SaveTo"), txtSaveTo.Text()); };
    txtFilenamePrefix.Change = [this] {
        storeOption(QStringLiteral("FilenamePrefix"), txtFilenamePrefix.Text());
    };
    chkFileNr.Click = [this] { storeOption(QStringLiteral("FileCardNr"), checked(chkFileNr)); };
    chkNoBack.Click = [this] { storeOption(QStringLiteral("NoBack"), checked(chkNoBack)); };
    chkReplaceSpace.Click = [this] { storeOption(QStringLiteral("ReplaceSpace"), checked(chkReplaceSpace)); };
    cboSaveFormat.Click = [this] {
        if (cboSaveFormat.ListIndex() >= 0)
            storeOption(QStringLiteral("PicFormatID"),
                        qint64(cboSaveFormat.ItemData(cboSaveFormat.ListIndex())));
    };
    cmdSaveTo.Click = [this] { cmdSaveTo_Click(); };
    cmdCreate.Click = [this] { cmdCreate_Click(); };
    cmdDone.Click = [this] { Hide(); };
}

void FrmCreate::Form_Load() {
    {
        const LoadingScope loading(bLoading);
        FillSaveFormats();
    }
    ShowCreateSettings();
    EnableCardKinds();
}

void FrmCreate::FillSaveFormats() {
    strSQL = QStringLiteral("SELECT * FROM tblPicFormat");
    const RecordsetPtr rs = GetRecordset(strSQL);
    FillCombo(cboSaveFormat, *rs, QStringLiteral("PicFormat"), QStringLiteral("PicFormatID"));
}

// Showing the stored options writes nothing: a write here could only fail or change a value
// another program stored in its own way.
void FrmCreate::ShowCreateSettings() {
    const LoadingScope loading(bLoading);
    txtSaveTo.setText(stored::text(*rsSet, QStringLiteral("SaveTo")));
    chkFileNr.setValue(BoolToCheck(stored::flag(*rsSet, QStringLiteral("FileCardNr"))));
    chkNoBack.setValue(BoolToCheck(stored::flag(*rsSet, QStringLiteral("NoBack"))));
    chkReplaceSpace.setValue(BoolToCheck(stored::flag(*rsSet, QStringLiteral("ReplaceSpace"))));
    txtFilenamePrefix.setText(stored::text(*rsSet, QStringLiteral("FilenamePrefix")));
    SelectComboItem(cboSaveFormat, stored::number(*rsSet, QStringLiteral("PicFormatID")));
    if (iSetEditionID == 2)
        lblEdition.setCaption(QStringLiteral("2nd Edition"));
    else if (iSetEditionID == 3)
        lblEdition.setCaption(QStringLiteral("3rd Edition"));
    else
        lblEdition.setCaption(kUnknownEdition);
}

void FrmCreate::EnableCardKinds() {
    // A set of an edition the program does not know writes no card.
    chk2ndCard.setEnabled(iSetEditionID != 0 && hasRows(rsCard));
    // The batch of any other edition writes only the small cards.
    const bool secondEdition = iSetEditionID == 2;
    chk2ndChar.setEnabled(secondEdition && hasRows(rsCharacter));
    chk2ndLarge.setEnabled(secondEdition && hasRows(rsLargeCard));
}

void FrmCreate::storeOption(const QString& field, const Variant& value) {
    if (bLoading) return;
    try {
        // The row written is always the open set's, wherever another window left rsSet.
        if (rsSet->eof() || rsSet->bof() || rsSet->field(QStringLiteral("SetID")).toLong() != iSetID) {
            rsSet->moveFirst();
            rsSet->find(QStringLiteral("SetID = ") + QString::number(iSetID));
            if (rsSet->eof()) throw VbError(VbError::NoCurrentRecord);
        }
        editRow(*rsSet, [&] { rsSet->field(field) = value; });
    } catch (const VbError& error) {
        // The batch writes where the dialog shows: the options show what is stored again.
        try {
            ShowCreateSettings();
        } catch (const VbError&) {
            // The row cannot be read either: the message still says that the change is lost.
        }
        throw changeNotSaved(error);
    }
}

void FrmCreate::cmdSaveTo_Click() {
    const QString folder = BrowseForFolder(this);
    if (!folder.isEmpty()) txtSaveTo.setText(folder);
}

void FrmCreate::cmdCreate_Click() {
    if (txtSaveTo.Text().isEmpty()) {
        MsgBox(QStringLiteral("You must firstselect a folder to save your cards in."), vbExclamation, kTitle);
        return;
    }
    if (iSetEditionID == 0) {
        const std::optional<qint32> edition = storedKey(rsSet->field(QStringLiteral("EditionID")));
        MsgBox(QStringLiteral("No card was created: %1 has no edition this program knows (its EditionID %2)."
                              "\r\n\r\nChoose \"Edit set\" in the main window to give it the 2nd or the "
                              "3rd edition.")
                   .arg(stored::rowName(*rsSet, QStringLiteral("tblSet")),
                        edition ? QStringLiteral("is %1").arg(*edition) : QStringLiteral("holds no number")),
               vbExclamation, kTitle);
        return;
    }
    const HourglassScope hourglass;
    if (iSetEditionID == 2)
        CreateAllCards(checked(chk2ndCard), checked(chk2ndChar), checked(chk2ndLarge), false, false, false);
    else
        CreateAllCards(false, false, false, checked(chk2ndCard), checked(chk2ndChar), checked(chk2ndLarge));
}

void FrmCreate::CreateAllCards(bool Card2nd, bool Character2nd, bool LargeCard2nd, bool Card3rd,
                               bool /*Character3rd*/, bool /*LargeCard3rd*/) {
    // From the first read of the set to the editors' last, another program's lock, read or
    // write, is waited for and the user asked. Not const: SQLite's busy handler records the wait in it.
    LockWait lockWait(*cnData, kFirstAskMs, kAskAgainMs, [] {
        return MsgBox(QStringLiteral("Another program is using the database: creating the cards waits "
                                     "until it lets go.\r\n\r\nGo on waiting? No stops creating the cards."),
                      vbYesNo + vbQuestion, kTitle) == vbYes;
    });
    const QScopedValueRollback<const LockWait*> waiting(m_lockWait, &lockWait);
    m_cardsDrawn = false;
    bool stopped = false;
    // Values that cannot be used are named together at the end: the batch writes every card.
    stored::CollectedReports reports(kTitle);
    try {
        // Every file would fail alike: the batch says why once, before it changes anything.
        if (const QString fault = frmCard->pictureFormatFault(); !fault.isEmpty()) {
            MsgBox(QStringLiteral("No card was created: ") + fault, vbExclamation, kTitle);
            return;
        }
        if (!prepareOutputFolder()) return;
        for (Label* counter : {&lblNr2ndCards, &lblNr2ndChar, &lblNr2ndLarge}) {
            counter->setCaption(QString());
            counter->setForeColor(kRed);
        }
        // Each file is written while the next card is drawn; all are written before the end.
        const CardImageWriter::Background writing(frmCard->imageWriter());
        const FrmCard::BatchTargets targets(frmCard.get());
        // An editor loads (and opens its recordset) before its cards are counted.
        if (Card2nd) createSmallCards(frmCard2nd.get(), &FrmCard::CreateCard2nd, &FrmCard::SaveTheCard2nd);
        if (Card3rd) createSmallCards(frmCard3rd.get(), &FrmCard::CreateCard3rd, &FrmCard::SaveTheCard3rd);
        if (Character2nd) {
            FrmCharacter2nd& editor = frmCharacter2nd.get();
            createCards({rsCharacter, lblNr2ndChar, editor.lblCurrentCardCharacter, [&editor] {
                             editor.DrawCharacter();
                             frmCard->CreateCharacter2nd();
                             frmCard->SaveTheCharacter2nd();
                             frmCard->SaveThePlayingPiece2nd();
                         }});
        }
        if (LargeCard2nd) {
            FrmLarge2nd& editor = frmLarge2nd.get();
            createCards({rsLargeCard, lblNr2ndLarge, editor.lblCurrentCard, [&editor] {
                             editor.DrawLargeCard();
                             frmCard->CreateLargeCard2nd();
                             frmCard->SaveTheLargeCard();
                         }});
        }
    } catch (const VbError& error) {
        // Before the first card the renderer's list of files is still the last batch's.
        const QString message =
            lockWait.stopped() ? userStoppedMessage(m_cardsDrawn ? frmCard->writtenFiles().count() : 0)
                               : QStringLiteral("Creating the cards stopped.\r\n\r\n") + error.shownText();
        MsgBox(m_cardsDrawn ? withSharedFileNames(message) : message, vbCritical, kTitle);
        stopped = true;
    }
    // Once the batch drew cards into the editors, they show their recordset's current row again, so
    // controls and record agree; before that they show it still, and need not read it.
    if (m_cardsDrawn) {
        for (SmallCardEditor* editor : {static_cast<SmallCardEditor*>(frmCard2nd.ifLoaded()),
                                        static_cast<SmallCardEditor*>(frmCard3rd.ifLoaded())}) {
            if (editor) editor->UpdateDisplay();
        }
        if (FrmCharacter2nd* editor = frmCharacter2nd.ifLoaded()) editor->UpdateDisplay();
        if (FrmLarge2nd* editor = frmLarge2nd.ifLoaded()) editor->UpdateDisplay();
    }
    for (Label* counter : {&lblNr2ndCards, &lblNr2ndChar, &lblNr2ndLarge})
        counter->setForeColor(kBlack);
    reports.show();
    if (stopped) return;
    // Each file that could not be written had a message of its own.
    const WrittenFiles& files = frmCard->writtenFiles();
    const int missing = files.expected() - files.written();
    const QString why = missing == 1 ? QStringLiteral("the message before says why")
                                     : QStringLiteral("the messages before say why");
    if (missing == 0)
        MsgBox(withSharedFileNames(QStringLiteral("Done creating cards.")), vbInformation, kTitle);
    else if (files.written() == 0)
        MsgBox(QStringLiteral("No card file was written: %1.").arg(why), vbExclamation, kTitle);
    else
        MsgBox(
            withSharedFileNames(QStringLiteral("%1 of the %2 card files %3 not written: %4.")
                                    .arg(QString::number(missing), QString::number(files.expected()),
                                         missing == 1 ? QStringLiteral("was") : QStringLiteral("were"), why)),
            vbExclamation, kTitle);
}

QString FrmCreate::withSharedFileNames(const QString& message) {
    const QString shared =
        frmCard->writtenFiles().sharedNames(stored::flag(*rsSet, QStringLiteral("FileCardNr")));
    return shared.isEmpty() ? message : message + QStringLiteral("\r\n\r\n") + shared;
}

bool FrmCreate::prepareOutputFolder() {
    const QString folder = FrmCard::outputFolder();
    try {
        ReplacementFile::requireWritableFolder(folder);
    } catch (const VbError& error) {
        const QString shown = stored::text(*rsSet, QStringLiteral("SaveTo"));
        MsgBox(error.number() == VbError::PathNotFound
                   ? QStringLiteral("The folder \"%1\" does not exist: no card can be created.").arg(shown)
                   : QStringLiteral("The folder \"%1\" cannot be written: no card can be created.\r\n\r\n"
                                    "Error %2: %3")
                         .arg(shown)
                         .arg(error.number())
                         .arg(error.description()),
               vbExclamation, kTitle);
        return false;
    }
    ReplacementFile::removeLeftovers(folder);
    return true;
}

void FrmCreate::createSmallCards(SmallCardEditor& editor, void (FrmCard::*compose)(),
                                 void (FrmCard::*save)()) {
    createCards({rsCard, lblNr2ndCards, editor.lblCurrentCard, [&editor, compose, save] {
                     editor.DrawCard();
                     (frmCard.get().*compose)();
                     (frmCard.get().*save)();
                 }});
}

void FrmCreate::createCards(const CardKind& kind) {
    if (!hasRows(kind.records)) return;
    // The numbers and file names are committed together: one disk sync for the batch instead
    // of one or two per card. What was written before an error is kept, as card by card.
    Transaction writes(*cnData, Transaction::Lock::Immediate);
    try {
        renumberAndSave(kind);
        // The last file's name is stored with the others, and its failure stops the batch as
        // any other's would: the background's end could not report it.
        frmCard->imageWriter().wait();
    } catch (const VbError&) {
        // After a full disk SQLite has undone the whole transaction itself: nothing is left to commit.
        if (writes.active()) {
            try {
                writes.commit();
            } catch (const VbError&) {
                // The error that stopped the batch is the one to report.
            }
        }
        throw;
    }
    writes.commit();
}

void FrmCreate::renumberAndSave(const CardKind& kind) {
    Recordset& records = *kind.records;
    qint16 n = 0;
    records.moveFirst();
    while (!records.eof()) {
        // The user chose to stop waiting for another program: SQLite may go on without its lock.
        if (m_lockWait) m_lockWait->raiseIfStopped();
        n = CInt(double(n) + 1);
        // A number already in place is not written again: writing rewrites the row, pictures and all.
        // A number another tool left that is no number is written over like any other.
        if (storedKey(records.field(QStringLiteral("Nr"))) != n) {
            try {
                records.field(QStringLiteral("Nr")) = int(n);
                records.update();
            } catch (const VbError&) {
                records.cancelUpdate();
                throw;
            }
        }
        kind.counter.setCaption(QString::number(n));
        kind.counter.Refresh();
        m_cardsDrawn = true;
        kind.drawComposeAndSave();
        records.moveNext();
    }
    records.moveLast();
    kind.position.setCaption(QStringLiteral("%1 (%1)").arg(n));
    kind.position.setTag(QString::number(n));
}
