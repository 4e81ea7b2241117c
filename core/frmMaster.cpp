#include "frmMaster.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmCreate.h"
#include "frmLarge2nd.h"
#include "frmSetName.h"
#include "modData.h"
#include "modFile.h"
#include "modPicture.h"
#include "modSetFonts.h"
#include "rowlookup.h"
#include "runtime/conversions.h"
#include "storedvalues.h"
#include "windowplacement.h"

#include "db/transaction.h"
#include "forms/dialogs.h"
#include "forms/loadingscope.h"
#include "forms/screen.h"
#include "runtime/settings.h"
#include "runtime/vberror.h"

#include <QPointer>
#include <limits>

FormInstance<FrmMaster> frmMaster;

namespace {
constexpr double kSetPanelHeight = 1035;

// The toolbar's editor buttons, by position.
constexpr int kSmallCardButton = 3;
constexpr int kCharacterButton = 4;
constexpr int kLargeCardButton = 5;

const QString kAppName = QStringLiteral("ZQJ2");
const QString kWindowSection = QStringLiteral("MainWindow");

QString windowSetting(const QString& key) {
    return GetSetting(kAppName, kWindowSection, key);
}

void saveWindowSetting(const QString& key, const QString& value) {
    SaveSetting(kAppName, kWindowSection, key, value);
}

void toggleEditor(Form& editor) {
    if (editor.Visible())
        editor.Hide();
    else
        editor.Show();
}
} // namespace

FrmMaster::FrmMaster() : Form(QStringLiteral("frmMaster")) {
    setCaption(QStringLiteral("Quarnell Set Creator"));

    tbar.addButton(Toolbar::Style::Normal, QStringLiteral("exit"), {}, QStringLiteral(":/icons/exit.xpm"),
                   QStringLiteral("Exit"));
    tbar.addButton(Toolbar::Style::Separator);
    tbar.addButton(Toolbar::Style::Check, QStringLiteral("card2nd"), QStringLiteral("Cards - 2nd edition"));
    tbar.addButton(Toolbar::Style::Check, QStringLiteral("character2nd"),
                   QStringLiteral("Characters - 2nd edition"));
    tbar.addButton(Toolbar::Style::Check, QStringLiteral("large2nd"),
                   QStringLiteral("Large cards - 2nd edition"));
    tbar.addButton(Toolbar::Style::Placeholder);
    tbar.addButton(Toolbar::Style::Normal, QStringLiteral("createall"), QStringLiteral("Create all cards"),
                   QStringLiteral(":/icons/createall.xpm"));
    tbar.addButton(Toolbar::Style::Normal, QStringLiteral("exporttotext"), QStringLiteral("Export all texts"),
                   QStringLiteral(":/icons/exporttext.xpm"));

    picSet.setBorderStyle(vbBSNone);
    Label1.setCaption(QStringLiteral("Set:"));
    Label1.Move(120, 120, 855, 255);
    cboSet.Move(480, 120, 3495, 315);
    cmdNew.setCaption(QStringLiteral("New set"));
    cmdNew.Move(480, 480, 1095, 375);
    cmdEdit.setCaption(QStringLiteral("Edit set"));
    cmdEdit.Move(1680, 480, 1095, 375);
    cmdDelete.setCaption(QStringLiteral("Delete set"));
    cmdDelete.Move(2880, 480, 1095, 375);
    ptSet.setBorderStyle(vbBSNone);
    ptSet.Move(4200, 0, 6135, 975);
    chkAutonumber.setCaption(QStringLiteral("Autonumber the cards"));
    chkAutonumber.Move(840, 120, 1935, 255);
    Label11.setCaption(QStringLiteral("Symbol:"));
    Label11.Move(3360, 120, 615, 255);
    cmdSymbolAdd.setCaption(QStringLiteral("Select"));
    cmdSymbolAdd.setToolTipText(QStringLiteral("Select a symbol"));
    cmdSymbolAdd.Move(4080, 120, 855, 285);
    cmdSymbolDel.setCaption(QStringLiteral("Remove"));
    cmdSymbolDel.setToolTipText(QStringLiteral("Remove current symbol"));
    cmdSymbolDel.Move(4080, 405, 855, 285);
    picSetSymbol.Move(5040, 120, 375, 375);

    tbar.ButtonClick = [this](const ToolbarButton& Button) { tbar_ButtonClick(Button); };
    cboSet.Click = [this] { cboSet_Click(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
    cmdEdit.Click = [this] { cmdEdit_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    chkAutonumber.Click = [this] { chkAutonumber_Click(); };
    cmdSymbolAdd.Click = [this] { cmdSymbolAdd_Click(); };
    cmdSymbolDel.Click = [this] { cmdSymbolDel_Click(); };
}

void FrmMaster::InitialiseSet() {
    strSQL = QStringLiteral("SELECT * FROM tblSet ORDER BY SetName");
    OpenRecordset(strSQL, rsSet);
    FillCombo(cboSet, *rsSet, QStringLiteral("SetName"), QStringLiteral("SetID"));
    if (iSetID < 1) {
        if (cboSet.ListCount() > 0)
            cboSet.setListIndex(0);
        else
            ShowSetDetails(); // no set to open

    } else {
        SelectComboItem(cboSet, iSetID);
    }
}

void FrmMaster::SetChange() {
    frmCard2nd->InitCard2nd();
    frmCharacter2nd->Initialise();
    frmLarge2nd->InitLarge2nd();
    if (FrmCard3rd* card3rd = frmCard3rd.ifLoaded()) card3rd->InitCard3rd();
}

void FrmMaster::FixButton(const QString& Who, qint16 ValueState) {
    if (Who == QLatin1String("frmCard2nd") || Who == QLatin1String("frmCard3rd"))
        tbar.setButtonValue(kSmallCardButton, ValueState);
    else if (Who == QLatin1String("frmCharacter2nd"))
        tbar.setButtonValue(kCharacterButton, ValueState);
    else if (Who == QLatin1String("frmLarge2nd"))
        tbar.setButtonValue(kLargeCardButton, ValueState);
}

void FrmMaster::Form_Load() {
    LoadWindowPosition();
    arrangeAlignedControls();
}

void FrmMaster::Form_Unload(int& cancel) {
    Q_UNUSED(cancel);
    // A settings store that cannot be written must not keep the program from ending.
    try {
        SaveWindowPosition();
    } catch (const VbError& error) {
        MsgBox(QStringLiteral("The size and place of the window could not be stored.\r\n\r\n") +
                   error.description(),
               vbExclamation, kAppName);
    }
    End();
}

void FrmMaster::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    arrangeAlignedControls();
}

void FrmMaster::cboSet_Click() {
    if (bLoading || cboSet.ListIndex() < 0) return;
    const HourglassScope hourglass;
    stored::CollectedReports reports;
    const ShownSet shown{iSetID,     iSetEditionID,   iSetLanguageID, rsCardType,
                         rsCardBack, rsCharacterBack, rsArea,         rsAlignment};
    try {
        iSetID = qint32(cboSet.ItemData(cboSet.ListIndex()));
        findOpenSet();
        readSetKeys();
        LoadLookups(iSetEditionID, iSetLanguageID);
    } catch (const VbError&) {
        backToShownSet(shown);
        throw;
    }
    const bool smallCardShown = closeOtherEditionsSmallCard();
    ShowSetDetails();
    if (smallCardShown) {
        Form& editor = smallCardEditor();
        editor.Show();
        FixButton(editor.Name(), 1);
    }
    reports.show();
}

// The set could not be read (another program holds the database): nothing of it is shown yet, so
// the set box, the keys and the lookups go back to the set that the editors show.
void FrmMaster::backToShownSet(const ShownSet& shown) {
    iSetID = shown.setID;
    iSetEditionID = shown.editionID;
    iSetLanguageID = shown.languageID;
    rsCardType = shown.cardTypes;
    rsCardBack = shown.cardBacks;
    rsCharacterBack = shown.characterBacks;
    rsArea = shown.areas;
    rsAlignment = shown.alignments;
    const LoadingScope loading(bLoading);
    SelectComboItem(cboSet, iSetID);
}

// The other edition's small-card editor would show this set's card with that edition's
// lists: the 3rd-edition one goes, the 2nd-edition one (which every set change
// initialises) is hidden. Returns whether it was shown.
bool FrmMaster::closeOtherEditionsSmallCard() {
    if (iSetEditionID == 2) {
        const FrmCard3rd* card3rd = frmCard3rd.ifLoaded();
        if (!card3rd) return false;
        const bool shown = card3rd->Visible();
        frmCard3rd.unload(); // releases the toolbar button
        return shown;
    }
    FrmCard2nd* card2nd = frmCard2nd.ifLoaded();
    if (!card2nd || !card2nd->Visible()) return false;
    card2nd->Hide();
    FixButton(card2nd->Name(), 0);
    return true;
}

// The small-card editor of the open set's edition; before any set, the 3rd edition's.
Form& FrmMaster::smallCardEditor() {
    if (iSetEditionID == 2) return frmCard2nd.get();
    return frmCard3rd.get();
}

// Another tool may have left an edition or a language the program cannot use. The set stays
// open with empty lists, so that it can be corrected in the set dialog or deleted.
void FrmMaster::readSetKeys() {
    const std::optional<qint32> edition = storedKey(rsSet->field(QStringLiteral("EditionID")));
    const std::optional<qint32> language = storedKey(rsSet->field(QStringLiteral("LanguageID")));
    const bool editionUsable = edition && (*edition == 2 || *edition == 3);
    const bool languageUsable = language && *language > 0 && *language <= std::numeric_limits<qint16>::max();
    iSetEditionID = editionUsable ? qint16(*edition) : 0;
    iSetLanguageID = languageUsable ? qint16(*language) : 0;
    if (editionUsable && languageUsable) return;
    stored::report(*rsSet, editionUsable ? QStringLiteral("LanguageID") : QStringLiteral("EditionID"),
                   QStringLiteral("the set's lists stay empty"),
                   QStringLiteral("Choose \"Edit set\" to correct it, or delete the set."));
}

void FrmMaster::ShowSetDetails() {
    if (!findOpenSet()) {
        const LoadingScope loading(bLoading);
        cboSet.setEnabled(false);
        chkAutonumber.setValue(vbUnchecked);
        picSetSymbol.setPicture(Picture());
        picSetSymbol.setVisible(false);
        ptSet.setVisible(false);
        cmdDelete.setEnabled(false);
        return;
    }
    showSetOptions();
    SetChange();
}

void FrmMaster::showSetOptions() {
    const LoadingScope loading(bLoading);
    cboSet.setEnabled(true);
    ptSet.setVisible(true);
    cmdDelete.setEnabled(true);
    chkAutonumber.setValue(BoolToCheck(stored::flag(*rsSet, QStringLiteral("Autonumber"))));
    const bool useSymbol = stored::flag(*rsSet, QStringLiteral("UseSymbol"));
    if (useSymbol) {
        stored::showPicture(picSetSymbol, *rsSet, QStringLiteral("Symbol"));
        picSetSymbol.Refresh();
    } else {
        picSetSymbol.setPicture(Picture());
    }
    picSetSymbol.setVisible(useSymbol);
}

// Only editors that are loaded are refreshed: refreshing never loads one.
void FrmMaster::UpdateEditorDisplays() {
    if (FrmCard2nd* card2nd = frmCard2nd.ifLoaded()) card2nd->UpdateDisplay();
    if (FrmCharacter2nd* character2nd = frmCharacter2nd.ifLoaded()) character2nd->UpdateDisplay();
    if (FrmLarge2nd* large2nd = frmLarge2nd.ifLoaded()) large2nd->UpdateDisplay();
    if (FrmCard3rd* card3rd = frmCard3rd.ifLoaded()) card3rd->UpdateDisplay();
}

void FrmMaster::chkAutonumber_Click() {
    if (bLoading || !findOpenSet()) return;
    const bool autonumber = chkAutonumber.Value() == vbChecked;
    updateSetRow([&] { rsSet->field(QStringLiteral("AutoNumber")) = autonumber; });
    UpdateEditorDisplays();
}

void FrmMaster::cmdSymbolAdd_Click() {
    if (!findOpenSet()) return;
    const std::optional<QString> path =
        dialogs().openFile(pictureFileRequest(QStringLiteral("Choose picture"), QString()));
    if (!path) return;
    try {
        picSetSymbol.setPicture(LoadChosenPicture(*path));
    } catch (const VbError& error) {
        // Nothing changes; a cause in words (a picture too large) is told, as for a card's picture.
        if (error.hasWords())
            MsgBox(pictureFileRefusal(*path, error), vbExclamation, QStringLiteral("Symbol"));
        return;
    }
    // A failed store leaves the field as it was, so nothing is pending.
    if (StoreFileInField(*path, rsSet->field(QStringLiteral("Symbol"))) < 0) {
        MsgBox(QStringLiteral("Error while loading the symbol"), vbCritical, QStringLiteral("Symbol"));
        return;
    }
    updateSetRow([] { rsSet->field(QStringLiteral("UseSymbol")) = true; });
    picSetSymbol.setVisible(true);
    UpdateEditorDisplays();
}

void FrmMaster::cmdSymbolDel_Click() {
    if (!findOpenSet()) return;
    picSetSymbol.setVisible(false);
    picSetSymbol.setPicture(Picture());
    // The bytes stay in the row.
    updateSetRow([] { rsSet->field(QStringLiteral("UseSymbol")) = false; });
    UpdateEditorDisplays();
}

void FrmMaster::cmdNew_Click() {
    const std::optional<SetChoice> choice = askForSet(QString(), 0, 0);
    if (!choice) return;
    addSet(*choice);
    InitialiseSet();
    ShowSetDetails();
}

void FrmMaster::cmdEdit_Click() {
    if (!findOpenSet()) return;
    // A key another tool left as no number leaves the dialog's choice as for a new set.
    const std::optional<SetChoice> choice =
        askForSet(stored::text(*rsSet, QStringLiteral("SetName")),
                  storedKey(rsSet->field(QStringLiteral("LanguageID"))).value_or(0),
                  qint16(storedKey(rsSet->field(QStringLiteral("EditionID"))).value_or(0)));
    if (!choice) return;
    updateSetRow([&] { writeSetChoice(*choice); });
    InitialiseSet();
    ShowSetDetails();
}

void FrmMaster::cmdDelete_Click() {
    if (!findOpenSet()) return;
    if (MsgBox(QStringLiteral("Are you sure you want to delete the set?"), vbYesNo + vbQuestion,
               QStringLiteral("Delete Set")) != vbYes)
        return;
    rsSet->deleteCurrent();
    iSetID = 0;
    InitialiseSet();
    ShowSetDetails();
}

void FrmMaster::tbar_ButtonClick(const ToolbarButton& Button) {
    if (Button.key == QLatin1String("exit")) {
        Unload();
    } else if (Button.key == QLatin1String("card2nd")) {
        toggleEditor(smallCardEditor());
    } else if (Button.key == QLatin1String("character2nd")) {
        toggleEditor(frmCharacter2nd.get());
    } else if (Button.key == QLatin1String("large2nd")) {
        toggleEditor(frmLarge2nd.get());
    } else if (Button.key == QLatin1String("createall")) {
        if (iSetID <= 0) {
            MsgBox(QStringLiteral("Select a set first."), vbExclamation, QStringLiteral("Create cards"));
            return;
        }
        // The renderer's canvases draw into images: its window is never shown.
        frmCreate->Show(vbModal);
        frmCreate.unload();
    } else if (Button.key == QLatin1String("exporttotext")) {
        ExportToText();
    }
}

void FrmMaster::ExportToText() {
    if (!findOpenSet()) return;
    FileDialogRequest request;
    request.title = QStringLiteral("Save set as text");
    // A separator in the set's name would make the suggested name a path.
    QString name = stored::text(*rsSet, QStringLiteral("SetName"));
    name.remove(QLatin1Char('/'));
    name.remove(QLatin1Char('\\'));
    request.fileName = name + QStringLiteral(".txt");
    request.filter = QStringLiteral("All files(*.*)|*.*|Text file (*.txt)|*.txt");
    request.defaultExtension = QStringLiteral("txt");
    request.filterIndex = 2;
    const std::optional<FileChoice> choice = dialogs().saveFile(request);
    if (!choice) return;
    ExportSetText(choice->path, iSetID);
}

void FrmMaster::LoadWindowPosition() {
    const StoredPlacement stored{
        windowSetting(QStringLiteral("WidthPos")), windowSetting(QStringLiteral("HeightPos")),
        windowSetting(QStringLiteral("LeftPos")), windowSetting(QStringLiteral("TopPos")),
        windowSetting(QStringLiteral("WindowState"))};
    // A first start shows the whole set panel, so that no control lies beyond the window's edge.
    const WindowPlacement placement =
        placeWindow(stored, Screen::Width(), Screen::Height(), ptSet.Left() + ptSet.Width());
    setWidth(placement.width);
    setHeight(placement.height);
    setLeft(placement.left);
    setTop(placement.top);
    setWindowState(placement.state);
}

// Only a normal window's size and place are kept, so a window closed minimised or
// maximised comes back in that state over its last normal place.
void FrmMaster::SaveWindowPosition() {
    const int state = WindowState();
    if (state == vbWindowNormal) {
        saveWindowSetting(QStringLiteral("LeftPos"), vbStr(Left()));
        saveWindowSetting(QStringLiteral("TopPos"), vbStr(Top()));
        saveWindowSetting(QStringLiteral("WidthPos"), vbStr(Width()));
        saveWindowSetting(QStringLiteral("HeightPos"), vbStr(Height()));
    }
    saveWindowSetting(QStringLiteral("WindowState"), QString::number(state));
}

// Puts rsSet on the open set's row; false when no set is open.
bool FrmMaster::findOpenSet() {
    if (iSetID == 0 || !rsSet || (rsSet->bof() && rsSet->eof())) return false;
    rsSet->moveFirst();
    rsSet->find(QStringLiteral("SetID = ") + QString::number(iSetID));
    return !rsSet->eof();
}

// An edit of the set row that fails is cancelled, so nothing half-written stays pending, and the
// window shows the set's options as they are stored again.
void FrmMaster::updateSetRow(const std::function<void()>& write) {
    try {
        editRow(*rsSet, write);
    } catch (const VbError& error) {
        if (findOpenSet()) showSetOptions();
        throw changeNotSaved(error);
    }
}

std::optional<FrmMaster::SetChoice> FrmMaster::askForSet(const QString& name, qint32 languageID,
                                                         qint16 editionID) {
    // The dialog may be unloaded while it is shown (its close box counts as Cancel).
    const QPointer<FrmSetName> dialog = &frmSetName.get();
    dialog->Init(name, languageID, editionID);
    dialog->Show(vbModal);
    std::optional<SetChoice> choice;
    if (dialog && dialog->bOK) {
        const ComboBox& languages = dialog->cboLanguage;
        choice = SetChoice{dialog->txtName.Text(), qint32(languages.ItemData(languages.ListIndex())),
                           qint16(dialog->opt2nd.Value() ? 2 : 3)};
    }
    frmSetName.unload();
    return choice;
}

void FrmMaster::writeSetChoice(const SetChoice& choice) {
    rsSet->field(QStringLiteral("SetName")) = choice.name;
    rsSet->field(QStringLiteral("LanguageID")) = choice.languageID;
    rsSet->field(QStringLiteral("EditionID")) = choice.editionID;
}

// The set row and its font rows are written together or not at all.
void FrmMaster::addSet(const SetChoice& choice) {
    Transaction transaction(*cnData);
    editRow(*rsSet, [&] {
        rsSet->addNew();
        writeSetChoice(choice);
        rsSet->field(QStringLiteral("DefaultCardTypeID")) = 0;
        rsSet->field(QStringLiteral("DefaultCardBackID")) = 0;
        rsSet->field(QStringLiteral("ArtistColour")) = 0x7F7F7F;
        rsSet->field(QStringLiteral("PicFormatID")) = 1;
        CreateSetFonts(*rsSet);
    });
    transaction.commit();
    rsSet->moveLast();
    iSetID = rsSet->field(QStringLiteral("SetID")).toLong();
}

void FrmMaster::arrangeAlignedControls() {
    const double width = QWidget::width() * twipsPerPixel;
    const double height = QWidget::height() * twipsPerPixel;
    // The toolbar wraps its buttons onto as many rows as the width needs.
    const double toolbarHeight = tbar.FittingHeight(width);
    const double clientTop = toolbarHeight + kSetPanelHeight;
    tbar.Move(0, 0, width, toolbarHeight);
    picSet.Move(0, toolbarHeight, width, kSetPanelHeight);
    mdiArea.Move(0, clientTop, width, std::max(0.0, height - clientTop));
}
