#include "largecardeditor.h"

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
// Where the frame stands, and where the handle stands when no picture is used.
constexpr double kFrameTop = 8;
constexpr double kFrameHeight = 238;
constexpr double kHandleWithoutPicture = 5;

const QString kAddTitle = QStringLiteral("New large card");
const QString kDeleteTitle = QStringLiteral("Delete large card");
} // namespace

LargeCardEditor::LargeCardEditor()
    : m_shown(rsLargeCard, QStringLiteral("tblLargeCard"), QStringLiteral("LargeCardID")) {
    cmdCardAdd.Click = [this] { cmdCardAdd_Click(); };
    cmdCardDelete.Click = [this] { cmdCardDelete_Click(); };
    for (int i = 0; i < int(cmdCardNav.size()); ++i)
        cmdCardNav[size_t(i)].Click = [this, i] { cmdCardNav_Click(i); };
    txtTitleLarge.Change = [this] { txtTitleLarge_Change(); };
    txtTitleLarge.GotFocus = [this] { txtTitleLarge_GotFocus(); };
    txtInfoLarge.Change = [this] { txtInfoLarge_Change(); };
    udCopyLarge.Change = [this] { udCopyLarge_Change(); };
}

void LargeCardEditor::Form_Load() {
    lblWatermark.setCaption(QStringLiteral("ZQJ %1.%2").arg(App::Major()).arg(App::Minor()));
    InitLarge2nd();
}

void LargeCardEditor::Form_Unload(int& Cancel) {
    Q_UNUSED(Cancel);
    // The main window may be going itself; it is never loaded only to be told.
    if (FrmMaster* master = frmMaster.ifLoaded()) master->FixButton(Name(), 0);
}

void LargeCardEditor::InitLarge2nd() {
    OpenLargeCardRecordset();
    m_shown.countInto(lblCurrentCard);
    // The first card added is then card 1.
    if (!m_shown.hasRows()) showPosition(lblCurrentCard, QStringLiteral("0"), 0);
    m_shown.showCurrentOrNone(recordView());
}

void LargeCardEditor::OpenLargeCardRecordset() {
    if (rsLargeCard) rsLargeCard->close();
    rsLargeCard.reset();
    // The key orders cards that share a number, as the renumbering does.
    strSQL = QStringLiteral("SELECT * FROM tblLargeCard WHERE SetID = ") + QString::number(iSetID) +
             QStringLiteral(" ORDER BY Nr, LargeCardID");
    OpenRecordset(strSQL, rsLargeCard);
}

void LargeCardEditor::EnableCardControls(bool Enabled) {
    picLargeCard.setVisible(Enabled);
    pic2ndCardLarge.setVisible(Enabled);
    cmdCardDelete.setEnabled(Enabled);
    lblCurrentCard.setEnabled(Enabled);
    for (CommandButton& button : cmdCardNav)
        button.setEnabled(Enabled);
}

void LargeCardEditor::cmdCardNav_Click(int Index) {
    if (!m_shown.hasRows()) {
        EnableCardControls(false);
        return;
    }
    stored::CollectedReports reports;
    m_shown.navigate(Index);
    // The fields would wait for the same lock again; the card shown stays the one they show.
    if (!DrawLargeCard()) return;
    ShowLargeCardFields();
    reports.show();
}

void LargeCardEditor::UpdateDisplay() {
    if (!m_shown.hasRows()) return;
    if (!m_shown.locate()) rsLargeCard->moveFirst();
    cmdCardNav_Click(-1);
}

void LargeCardEditor::ShowLargeCardFields() {
    m_shown.remember();
    showStoredFields();
    frmCard->CreateLargeCard2nd();
}

void LargeCardEditor::showStoredFields() {
    Recordset& card = *rsLargeCard;
    const LoadingScope loading(bLoading);
    lblCurrentCard.setCaption(stored::text(card, QStringLiteral("Nr")) + QStringLiteral(" (") +
                              lblCurrentCard.Tag() + QStringLiteral(")"));
    txtTitleLarge.setText(stored::text(card, QStringLiteral("Title")));
    udCopyLarge.setValue(stored::number(card, QStringLiteral("Copies")));
    chkShowPictureLarge.setValue(BoolToCheck(stored::flag(card, QStringLiteral("UsePicture"))));
    chkFrameLarge.setValue(BoolToCheck(stored::flag(card, QStringLiteral("UseFrame"))));
    chkResizeLarge.setValue(BoolToCheck(stored::flag(card, QStringLiteral("Resize"))));
    showFrameSize();
    txtInfoLarge.setText(stored::text(card, QStringLiteral("Information")));
    picColourLarge.setBackColor(stored::colour(card, QStringLiteral("BGColour")));
}

void LargeCardEditor::editShownCard(const std::function<void(Recordset&)>& assign) {
    m_shown.edit(assign, [this] { showStoredFields(); });
}

void LargeCardEditor::writeCardField(const QString& field, const Variant& value) {
    editShownCard([&](Recordset& card) { card.field(field) = value; });
}

void LargeCardEditor::txtTitleLarge_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Title"), txtTitleLarge.Text());
    lblTitleLarge.setCaption(txtTitleLarge.Text());
}

void LargeCardEditor::txtInfoLarge_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Information"), txtInfoLarge.Text());
    lblInformationLarge.setCaption(txtInfoLarge.Text());
}

void LargeCardEditor::txtTitleLarge_GotFocus() {
    SelectAllText(txtTitleLarge);
}

// The number of copies shown is kept, as in the small cards.
void LargeCardEditor::udCopyLarge_Change() {
    if (bLoading) return;
    writeCardField(QStringLiteral("Copies"), udCopyLarge.Value());
}

// ---- Adding and deleting ----

void LargeCardEditor::cmdCardAdd_Click() {
    if (iSetID == 0) return;
    const qint32 nr = m_shown.nextNr();
    if (nr > kLargestNr) {
        MsgBox(QStringLiteral("A set holds at most 32767 large cards: no large card can be added."),
               vbExclamation, kAddTitle);
        return;
    }
    try {
        m_shown.insertNumbered(qint16(nr), [this] { SetNewLargeCardDefaults(); });
    } catch (const VbError& error) {
        m_shown.reopenAfterFailedWrite(recordView(), kAddTitle,
                                       QStringLiteral("The large card could not be added."), error);
        return;
    }
    EnableCardControls(true);
    DrawLargeCard();
    ShowLargeCardFields();
    showPosition(lblCurrentCard, QString::number(nr), nr);
    SelectAllText(txtTitleLarge);
    txtTitleLarge.SetFocus();
}

void LargeCardEditor::SetNewLargeCardDefaults() {
    Recordset& card = *rsLargeCard;
    card.field(QStringLiteral("SetID")) = rsSet->field(QStringLiteral("SetID")).value();
    card.field(QStringLiteral("Title")) =
        QStringLiteral("LARGE CARD ") + card.field(QStringLiteral("Nr")).concatText();
    card.field(QStringLiteral("Information")) = QString();
    card.field(QStringLiteral("UsePicture")) = Variant(true);
    card.field(QStringLiteral("PicTop")) = 0;
    card.field(QStringLiteral("PicLeft")) = 0;
    card.field(QStringLiteral("PicWidth")) = 121;
    card.field(QStringLiteral("UseFrame")) = Variant(true);
    card.field(QStringLiteral("Resize")) = Variant(false);
    card.field(QStringLiteral("BGColour")) = qint64(0xFFFFFF);
    card.field(QStringLiteral("Copies")) = 1;
}

void LargeCardEditor::cmdCardDelete_Click() {
    m_shown.deleteShown(recordView(), kDeleteTitle, QStringLiteral("The large card could not be deleted."));
}

RecordView LargeCardEditor::recordView() {
    return {[this] { OpenLargeCardRecordset(); }, [this](bool b) { EnableCardControls(b); },
            [this] { cmdCardNav_Click(-1); }, lblCurrentCard};
}

// ---- Layout ----

bool LargeCardEditor::DrawLargeCard() {
    if (!rsLargeCard) return true;
    Recordset& card = *rsLargeCard;
    const auto flag = [&](const char* field) { return stored::flag(card, QString::fromLatin1(field)); };
    LayoutSteps step;
    step([&] {
        // The card's labels show their texts in the set's fonts, as they are printed.
        frmCard->showSetFonts(largeCardTexts(*this));
    });
    step([&] { lblTitleLarge.setCaption(stored::text(card, QStringLiteral("Title"))); });
    step([&] { lblInformationLarge.setCaption(stored::text(card, QStringLiteral("Information"))); });
    step([&] { showFrame(card); });
    step([&] { placeHandle(flag("UsePicture")); });
    step([&] { lblAutonumberLarge.setCaption(stored::text(card, QStringLiteral("Nr"))); });
    step([&] { lblAutonumberLarge.setVisible(stored::flag(*rsSet, QStringLiteral("Autonumber"))); });
    step([&] { stored::showPicture(picImageLarge, card, QStringLiteral("Picture")); });
    step([&] { placeFrameAndPicture(card); });
    step([&] { stored::showPicture(picCardLarge, card, QStringLiteral("BGPicture")); });
    step([&] { picCardLarge.setBackColor(stored::colour(card, QStringLiteral("BGColour"))); });
    step([&] {
        // A card without a back of its own, or with one that is no picture, has the default back.
        stored::showPicture(picBackLarge, card, QStringLiteral("LargeCardBack"));
        if (picBackLarge.Picture().isNull()) picBackLarge.setPicture(frmCard->imgChB.Picture());
    });
    step([&] {
        const bool useSymbol = stored::flag(*rsSet, QStringLiteral("UseSymbol"));
        picSymbolLarge.setVisible(useSymbol);
        if (!useSymbol) return;
        picSymbolLarge.setPicture(frmMaster->picSetSymbol.Picture());
        // Its bottom-right corner on the card face's.
        picSymbolLarge.setTop(picCardLarge.Height() - picSymbolLarge.Height() - 2);
        picSymbolLarge.setLeft(picCardLarge.Width() - picSymbolLarge.Width() - 2);
    });
    return !step.locked();
}

void LargeCardEditor::showFrame(Recordset& card) {
    picFrameLarge.setVisible(stored::flag(card, QStringLiteral("UsePicture")));
    picFrameLarge.setBorderStyle(stored::flag(card, QStringLiteral("UseFrame")) ? vbFixedSingle : vbBSNone);
    picFrameLarge.setWidth(stored::extent(card, QStringLiteral("PicWidth"), picCardLarge.Width()));
}

void LargeCardEditor::placeHandle(bool framed) {
    lblPicSizeLarge.setLeft(framed ? picFrameLarge.Left() + picFrameLarge.Width() : kHandleWithoutPicture);
    layOutTextColumn();
}

void LargeCardEditor::layOutTextColumn() {
    const double left = lblPicSizeLarge.Left() + lblPicSizeLarge.Width();
    // A frame wider than the card's room leaves the column no width rather than less than none.
    for (Label* label : {&lblTitleLarge, &lblInformationLarge}) {
        label->setLeft(left);
        label->setWidth(std::max(0.0, kColumnRight - left));
    }
}

// Offsets are twips of the frame; the frame stands in pixels of the card. With Resize the
// frame takes the picture's height and the vertical offset moves the frame; without a
// picture there is no height to take, and the frame stays as it is without Resize.
void LargeCardEditor::placeFrameAndPicture(Recordset& card) {
    const double picTop =
        stored::offset(card, QStringLiteral("PicTop"), picImageLarge.Height(), picCardLarge.Height());
    const double picLeft =
        stored::offset(card, QStringLiteral("PicLeft"), picImageLarge.Width(), picCardLarge.Width());
    if (stored::flag(card, QStringLiteral("Resize")) && !picImageLarge.Picture().isNull()) {
        picFrameLarge.setTop(kFrameTop + picTop / twipsPerPixel);
        picFrameLarge.setHeight(picImageLarge.Height() / twipsPerPixel);
        picImageLarge.setTop(0);
    } else {
        picFrameLarge.setTop(kFrameTop);
        picFrameLarge.setHeight(kFrameHeight);
        picImageLarge.setTop(picTop);
    }
    picImageLarge.setLeft(picLeft);
}

void LargeCardEditor::showFrameSize() {
    lblPicDimLarge.setCaption(vbStr(picFrameLarge.Width()) + QStringLiteral("W * ") +
                              vbStr(picFrameLarge.Height()) + QStringLiteral("H"));
}
