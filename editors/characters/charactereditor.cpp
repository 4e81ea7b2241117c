#include "charactereditor.h"
#include "characterattributes.h"

#include "frmCard.h"
#include "frmMaster.h"
#include "layoutsteps.h"
#include "modData.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "forms/loadingscope.h"
#include "runtime/app.h"
#include "runtime/conversions.h"
#include "runtime/vberror.h"

#include <algorithm>

namespace {
// A new character's alignment, when the set's language has it.
constexpr qint32 kDefaultAlignmentID = 2;

const QString kAddTitle = QStringLiteral("New character");
const QString kDeleteTitle = QStringLiteral("Delete character");

// The index of the item that carries `id`, -1 when none does.
int itemWithData(const ComboBox& combo, qint32 id) {
    for (int i = 0; i < combo.ListCount(); ++i)
        if (combo.ItemData(i) == id) return i;
    return -1;
}

QString frameDimensions(const PictureBox& frame) {
    return QStringLiteral("(%1W*%2H)").arg(vbStr(frame.Width()), vbStr(frame.Height()));
}
} // namespace

CharacterEditor::CharacterEditor()
    : m_shown(rsCharacter, QStringLiteral("tblCharacter"), QStringLiteral("CharacterID")) {
    cmdCharacterAdd.Click = [this] { cmdCharacterAdd_Click(); };
    cmdCharacterDelete.Click = [this] { cmdCharacterDelete_Click(); };
    for (int i = 0; i < int(cmdCharNav.size()); ++i)
        cmdCharNav[size_t(i)].Click = [this, i] { cmdCharNav_Click(i); };
}

void CharacterEditor::Form_Load() {
    const QString watermark = QStringLiteral("ZQJ %1.%2").arg(App::Major()).arg(App::Minor());
    for (Label& label : lblWatermark)
        label.setCaption(watermark);
    Initialise();
}

void CharacterEditor::Form_Unload(int& Cancel) {
    Q_UNUSED(Cancel);
    // The main window may be going itself; it is never loaded only to be told.
    if (FrmMaster* master = frmMaster.ifLoaded()) master->FixButton(Name(), 0);
}

void CharacterEditor::Initialise() {
    if (bLoading) return;
    OpenCharacterRecordset();
    m_shown.countInto(lblCurrentCardCharacter);
    // The first character added is then character 1.
    if (!m_shown.hasRows()) showPosition(lblCurrentCardCharacter, QStringLiteral("0"), 0);
    {
        const LoadingScope loading(bLoading);
        FillAlignmentCombo();
        FillStartAreaCombo();
        FillAttributeCombos();
        FillCardBackCombo();
    }
    m_shown.showCurrentOrNone(recordView());
}

void CharacterEditor::OpenCharacterRecordset() {
    if (rsCharacter) rsCharacter->close();
    rsCharacter.reset();
    // The key orders characters that share a number, as the renumbering does.
    strSQL = QStringLiteral("SELECT * FROM tblCharacter WHERE SetID = ") + QString::number(iSetID) +
             QStringLiteral(" ORDER BY Nr, CharacterID");
    OpenRecordset(strSQL, rsCharacter);
}

// The lists always hold the 2nd edition's rows, whatever the set's edition.
void CharacterEditor::FillAlignmentCombo() {
    fillLookup(cboAlignment,
               QStringLiteral("SELECT * FROM tblAlignment WHERE LanguageID = %1 ORDER BY AlignmentNr"),
               fieldText(QStringLiteral("Alignment")), QStringLiteral("AlignmentID"));
}

// The board and the area are read by themselves, so that one that cannot be used is named
// with its row.
void CharacterEditor::FillStartAreaCombo() {
    m_startAreas = fillLookup(
        cboStartArea,
        QStringLiteral("SELECT * FROM tblArea WHERE LanguageID = %1 AND EditionID = 2 ORDER BY Board, Area"),
        [](Recordset& area) { return currentAreaText(area, true, false); }, QStringLiteral("AreaID"));
}

void CharacterEditor::FillCardBackCombo() {
    m_characterBacks =
        fillLookup(cboCharacterCardback,
                   QStringLiteral("SELECT * FROM tblCharacterBack WHERE LanguageID = %1 AND EditionID = 2"
                                  " ORDER BY BackText"),
                   fieldText(QStringLiteral("BackText")), QStringLiteral("CharacterBackID"));
}

std::function<QString(Recordset&)> CharacterEditor::fieldText(const QString& field) {
    return [field](Recordset& row) { return stored::text(row, field); };
}

RecordsetPtr CharacterEditor::fillLookup(ComboBox& combo, const QString& select,
                                         const std::function<QString(Recordset&)>& text,
                                         const QString& idField) {
    if (!openSetHasLists()) {
        combo.Clear();
        return nullptr;
    }
    strSQL = select.arg(openSetLanguageKey());
    RecordsetPtr rows = GetRecordset(strSQL);
    FillCombo(combo, *rows, text, idField);
    if (combo.ListCount() > 0) combo.setListIndex(0);
    return rows;
}

void CharacterEditor::FillAttributeCombos() {
    for (size_t index = 0; index < cboCharAttr.size(); ++index) {
        ComboBox& combo = cboCharAttr[index];
        combo.Clear();
        for (int i = 9; i >= 0; --i)
            combo.AddItem(QStringLiteral("+") + QString::number(i));
        combo.AddItem(QStringLiteral("---"));
        for (int i = 1; i <= 9; ++i)
            combo.AddItem(QString::number(i));
        combo.setText(QString::fromLatin1(kCharacterAttributes[index].initial));
    }
}

void CharacterEditor::EnableCharacterControls(bool b) {
    picCharacterRest.setVisible(b);
    pic2ndCharacter.setVisible(b);
    cmdCharacterDelete.setEnabled(b);
    lblCurrentCardCharacter.setEnabled(b);
    for (CommandButton& button : cmdCharNav)
        button.setEnabled(b);
    cmdSortCharacter.setEnabled(b);
}

void CharacterEditor::cmdCharNav_Click(int Index) {
    if (!m_shown.hasRows()) {
        EnableCharacterControls(false);
        return;
    }
    stored::CollectedReports reports;
    m_shown.navigate(Index);
    // The fields would wait for the same lock again; the card shown stays the one they show.
    if (!DrawCharacter()) return;
    ShowCharacterFields();
    reports.show();
}

void CharacterEditor::UpdateDisplay() {
    if (!m_shown.hasRows()) return;
    if (!m_shown.locate()) rsCharacter->moveFirst();
    cmdCharNav_Click(-1);
}

// ---- Layout ----

bool CharacterEditor::DrawCharacter() {
    if (!rsCharacter) return true;
    Recordset& character = *rsCharacter;
    const auto text = [&](const char* field) { return stored::text(character, QString::fromLatin1(field)); };
    LayoutSteps step;
    step([&] { showSetFonts(); });
    step([&] { lblCharacter.setCaption(text("Name")); });
    step([&] {
        lblAlignment.setCaption(GetAlignmentText(stored::number(character, QStringLiteral("AlignmentID"))));
    });
    step([&] { lblStart.setCaption(startAreaText(character)); });
    step([&] { lblSpecial.setCaption(text("Abilities")); });
    for (qint16 i = 0; i < qint16(kCharacterAttributes.size()); ++i)
        step([&] { DrawAttributeValue(i, text(kCharacterAttributes[size_t(i)].field)); });
    step([&] { picFrameCharacter.setWidth(storedFrameWidth(character)); });
    step([&] { lblAutonumberCharacter.setCaption(text("Nr")); });
    step([&] { lblAutonumberCharacter.setVisible(stored::flag(*rsSet, QStringLiteral("Autonumber"))); });
    step([&] { showFrameOption(stored::flag(character, QStringLiteral("UseFrame"))); });
    step([&] { ShowPictureCharacter(); });
    step([&] {
        stored::showPicture(picImageCharacter, character, QStringLiteral("Picture"));
        picImageCharacter.Refresh();
    });
    step([&] { placeStoredImage(picImageCharacter, picCharacter, character, "PicTop", "PicLeft"); });
    step([&] { picCharacter.setPicture(frmCard->picOriginalCharacterBackground.Picture()); });
    step([&] { stored::showPicture(picBackgroundChar, character, QStringLiteral("Background")); });
    step([&] { showCharacterBack(stored::number(character, QStringLiteral("CharacterBackID"))); });
    step([&] { stored::showPicture(picPlayingPieceImage, character, QStringLiteral("PlayingPiece")); });
    step([&] { placeStoredImage(picPlayingPieceImage, picPlayingPieceFrame, character, "PPTop", "PPLeft"); });
    step([&] { lblPlayingPieceName.setCaption(text("Name")); });
    step([&] {
        const bool useSymbol = stored::flag(*rsSet, QStringLiteral("UseSymbol"));
        picSymbolCharacter.setVisible(useSymbol);
        if (!useSymbol) return;
        picSymbolCharacter.setPicture(frmMaster->picSetSymbol.Picture());
        // Its bottom-right corner 29 pixels in from the card box's.
        picSymbolCharacter.setTop(picCharacter.Height() - picSymbolCharacter.Height() - 29);
        picSymbolCharacter.setLeft(picCharacter.Width() - picSymbolCharacter.Width() - 29);
    });
    return !step.locked();
}

void CharacterEditor::showSetFonts() {
    frmCard->showSetFonts(characterCardTexts(*this));
    frmCard->showSetFonts(playingPieceTexts(*this));
}

void CharacterEditor::ShowPictureCharacter() {
    const bool show = stored::flag(*rsCharacter, QStringLiteral("UsePicture"));
    picFrameCharacter.setVisible(show);
    lblPicSizeCharacter.setVisible(show);
    // The handle stands against the frame's right edge; without a picture the column takes its room.
    lblPicSizeCharacter.setLeft(show ? picFrameCharacter.Width() + picFrameCharacter.Left() : 0);
    layOutTextColumn();
}

void CharacterEditor::layOutTextColumn() {
    const double left = lblPicSizeCharacter.Width() + lblPicSizeCharacter.Left() + 1;
    for (Label* label : {&lblAlignmentTitle, &lblStartTitle, &lblSpecialTitle, &lblSpecial})
        label->setLeft(left);
    lblAlignment.setLeft(lblAlignmentTitle.Width() + lblAlignmentTitle.Left());
    lblStart.setLeft(lblStartTitle.Width() + lblStartTitle.Left());
    // A frame wider than the card's room leaves the column no width rather than less than none.
    for (Label* label : {&lblAlignment, &lblStart, &lblSpecialTitle, &lblSpecial})
        label->setWidth(std::max(0.0, kColumnRight - label->Left()));
}

void CharacterEditor::showFrameSize() {
    lblPicDimChar.setCaption(frameDimensions(picFrameCharacter));
}

double CharacterEditor::storedFrameWidth(Recordset& character) const {
    return stored::extent(character, QStringLiteral("PicWidth"), picCharacter.Width());
}

void CharacterEditor::placeStoredImage(PictureBox& image, const PictureBox& room, Recordset& character,
                                       const char* topField, const char* leftField) {
    image.setTop(stored::offset(character, QString::fromLatin1(topField), image.Height(), room.Height()));
    image.setLeft(stored::offset(character, QString::fromLatin1(leftField), image.Width(), room.Width()));
}

void CharacterEditor::showFrameOption(bool useFrame) {
    picFrameCharacter.setHeight(useFrame ? 218 : 220);
    picFrameCharacter.setBorderStyle(useFrame ? vbFixedSingle : vbBSNone);
}

// The lists' own areas, not the set edition's: the editor offers the 2nd edition's only.
QString CharacterEditor::startAreaText(Recordset& character) const {
    const qint32 areaID = stored::number(character, QStringLiteral("StartingAreaID"));
    const bool includeBoard = stored::flag(character, QStringLiteral("IncludeBoard"));
    return m_startAreas ? areaText(*m_startAreas, areaID, false, includeBoard) : QString();
}

void CharacterEditor::showCharacterBack(qint64 characterBackID) {
    if (m_characterBacks && moveToRow(m_characterBacks, QStringLiteral("CharacterBackID"), characterBackID))
        stored::showPicture(picCharacterBack, *m_characterBacks, QStringLiteral("Picture"));
    else
        picCharacterBack.setPicture(Picture());
}

void CharacterEditor::ShowCharacterFields() {
    Recordset& character = *rsCharacter;
    m_shown.remember();
    {
        const LoadingScope loading(bLoading);
        txtCharName.setText(stored::text(character, QStringLiteral("Name")));
        SelectComboItem(cboStartArea, stored::number(character, QStringLiteral("StartingAreaID")));
        chkIncludeBoard.setValue(BoolToCheck(stored::flag(character, QStringLiteral("IncludeBoard"))));
        SelectComboItem(cboAlignment, stored::number(character, QStringLiteral("AlignmentID")));
        for (size_t i = 0; i < cboCharAttr.size(); ++i)
            cboCharAttr[i].setText(
                stored::text(character, QString::fromLatin1(kCharacterAttributes[i].field)));
        chkShowPictureCharacter.setValue(BoolToCheck(stored::flag(character, QStringLiteral("UsePicture"))));
        ShowPictureCharacter();
        chkFrameCharacter.setValue(BoolToCheck(stored::flag(character, QStringLiteral("UseFrame"))));
        txtSpecialAbilities.setText(stored::text(character, QStringLiteral("Abilities")));
        SelectComboItem(cboCharacterCardback, stored::number(character, QStringLiteral("CharacterBackID")));
    }
    showFrameSize();
    lblPicDimPlay.setCaption(frameDimensions(picPlayingPieceFrame));
    lblCurrentCardCharacter.setCaption(stored::text(character, QStringLiteral("Nr")) + QStringLiteral(" (") +
                                       lblCurrentCardCharacter.Tag() + QStringLiteral(")"));
}

void CharacterEditor::DrawAttributeValue(qint16 Index, const QString& Value) {
    drawAttributeBox(picCharAttrDisp[size_t(Index)], Index, Value);
}

void CharacterEditor::editShownCharacter(const std::function<void(Recordset&)>& assign) {
    m_shown.edit(assign, [this] { ShowCharacterFields(); });
}

// ---- Adding ----

void CharacterEditor::cmdCharacterAdd_Click() {
    if (iSetID == 0) return;
    const std::optional<NewCharacterDefaults> defaults = newCharacterDefaults();
    if (!defaults) return;
    const qint32 n = m_shown.nextNr();
    if (n > kLargestNr) {
        MsgBox(QStringLiteral("A set holds at most 32767 characters: no character can be added."),
               vbExclamation, kAddTitle);
        return;
    }
    try {
        m_shown.insertNumbered(qint16(n), [&] { SetNewCharacterDefaults(*defaults, qint16(n)); });
    } catch (const VbError& error) {
        m_shown.reopenAfterFailedWrite(recordView(), kAddTitle,
                                       QStringLiteral("The character could not be added."), error);
        return;
    }
    EnableCharacterControls(true);
    DrawCharacter();
    ShowCharacterFields();
    showPosition(lblCurrentCardCharacter, QString::number(n), n);
    picCharacterRest.setVisible(true);
    SelectAllText(txtCharName);
    txtCharName.SetFocus();
}

// The first start area and character back of the lists; nothing (with a message) when the
// set's language has none of them.
std::optional<CharacterEditor::NewCharacterDefaults> CharacterEditor::newCharacterDefaults() {
    QStringList missing;
    if (cboStartArea.ListCount() == 0) missing << QStringLiteral("no start area");
    if (cboCharacterCardback.ListCount() == 0) missing << QStringLiteral("no character back");
    if (!missing.isEmpty()) {
        MsgBox(QStringLiteral("The language of this set has ") + missing.join(QStringLiteral(" and ")) +
                   QStringLiteral(" for characters: no character can be added."),
               vbExclamation, kAddTitle);
        return std::nullopt;
    }
    NewCharacterDefaults defaults;
    defaults.startingAreaID = qint32(cboStartArea.ItemData(0));
    defaults.characterBackID = qint32(cboCharacterCardback.ItemData(0));
    if (itemWithData(cboAlignment, kDefaultAlignmentID) < 0 && cboAlignment.ListCount() > 0)
        defaults.alignmentID = qint32(cboAlignment.ItemData(0));
    else
        defaults.alignmentID = kDefaultAlignmentID;
    return defaults;
}

void CharacterEditor::SetNewCharacterDefaults(const NewCharacterDefaults& defaults, qint16 nr) {
    Recordset& character = *rsCharacter;
    character.field(QStringLiteral("SetID")) = rsSet->field(QStringLiteral("SetID")).value();
    character.field(QStringLiteral("Name")) = QStringLiteral("CHARACTER ") + QString::number(nr);
    character.field(QStringLiteral("StartingAreaID")) = qint64(defaults.startingAreaID);
    character.field(QStringLiteral("AlignmentID")) = qint64(defaults.alignmentID);
    character.field(QStringLiteral("Strength")) = QStringLiteral("3");
    character.field(QStringLiteral("Craft")) = QStringLiteral("3");
    character.field(QStringLiteral("Gold")) = QStringLiteral("1");
    character.field(QStringLiteral("Lives")) = QStringLiteral("4");
    character.field(QStringLiteral("PicTop")) = 0;
    character.field(QStringLiteral("PicLeft")) = 0;
    character.field(QStringLiteral("PicHeight")) = 0;
    character.field(QStringLiteral("PicWidth")) = 121;
    character.field(QStringLiteral("UsePicture")) = Variant(true);
    character.field(QStringLiteral("UseFrame")) = Variant(true);
    character.field(QStringLiteral("Abilities")) = QString();
    character.field(QStringLiteral("CharacterBackID")) = qint64(defaults.characterBackID);
    character.field(QStringLiteral("PPTop")) = 0;
    character.field(QStringLiteral("PPLeft")) = 0;
}

// ---- Deleting ----

// As a small card is deleted: no question, the followers move down by one, and the
// character that took the deleted one's number is shown, or the new last one.
void CharacterEditor::cmdCharacterDelete_Click() {
    m_shown.deleteShown(recordView(), kDeleteTitle, QStringLiteral("The character could not be deleted."));
}

RecordView CharacterEditor::recordView() {
    return {[this] { OpenCharacterRecordset(); }, [this](bool b) { EnableCharacterControls(b); },
            [this] { cmdCharNav_Click(-1); }, lblCurrentCardCharacter};
}
