#include "smallcardeditor.h"
#include "layoutsteps.h"
#include "runtime/conversions.h"

#include "frmCard.h"
#include "frmMaster.h"
#include "modData.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "db/transaction.h"
#include "runtime/app.h"
#include "runtime/colour.h"
#include "runtime/vberror.h"

#include <algorithm>

namespace {

const QString kAddTitle = QStringLiteral("New card");
const QString kDeleteTitle = QStringLiteral("Delete card");

} // namespace

SmallCardEditor::SmallCardEditor(const SmallCardLayout& layout)
    : SmallCardWindow(layout), m_shown(rsCard, QStringLiteral("tblCard"), QStringLiteral("CardID")) {
    cmdCardAdd.Click = [this] { cmdCardAdd_Click(); };
    cmdCardDelete.Click = [this] { cmdCardDelete_Click(); };
    for (int i = 0; i < int(cmdCardNav.size()); ++i)
        cmdCardNav[size_t(i)].Click = [this, i] { cmdCardNav_Click(i); };
}

void SmallCardEditor::Form_Load() {
    lblWatermark.setCaption(QStringLiteral("ZQJ %1.%2").arg(App::Major()).arg(App::Minor()));
    initCard();
}

void SmallCardEditor::Form_Unload(int& Cancel) {
    Q_UNUSED(Cancel);
    // The main window may be going itself; it is never loaded only to be told.
    if (FrmMaster* master = frmMaster.ifLoaded()) master->FixButton(Name(), 0);
}

void SmallCardEditor::Form_KeyDown(qint16& KeyCode, qint16 Shift) {
    constexpr qint16 vbKeyN = 78;
    constexpr qint16 vbCtrlMask = 2;
    if (KeyCode == vbKeyN && Shift == vbCtrlMask) cmdCardAdd_Click();
}

void SmallCardEditor::initCard() {
    openCards();
    {
        const LoadingScope loading(bLoading);
        cboNumber.Clear();
        for (int i = 1; i <= 6; ++i)
            cboNumber.AddItem(QString::number(i));
        cboNumber.setListIndex(1);
        FillTypeCombo();
        FillCardBackCombo();
    }
    m_shown.showCurrentOrNone(recordView());
}

void SmallCardEditor::showCardAfterReopening(qint32 cardID) {
    openCards();
    if (hasCards() && !moveToRow(rsCard, QStringLiteral("CardID"), cardID)) rsCard->moveFirst();
    cmdCardNav_Click(-1);
}

void SmallCardEditor::openCards() {
    OpenCardRecordset();
    m_shown.countInto(lblCurrentCard);
}

void SmallCardEditor::OpenCardRecordset() {
    if (rsCard) rsCard->close();
    rsCard.reset();
    // CardID orders cards that share a number for a moment (the card list renumbers).
    strSQL = QStringLiteral("SELECT * FROM tblCard WHERE SetID = ") + QString::number(iSetID) +
             QStringLiteral(" ORDER BY Nr, CardID");
    OpenRecordset(strSQL, rsCard);
}

void SmallCardEditor::FillTypeCombo() {
    if (!openSetHasLists()) {
        cboType.Clear();
        return;
    }
    const QString corner = layout().typeCorner;
    strSQL = QStringLiteral("SELECT tblCardType.CardTypeID, UpperLeft, ") + corner +
             QStringLiteral(", Number FROM tblCardType") +
             QStringLiteral(" WHERE (tblCardType.LanguageID = ") + openSetLanguageKey() +
             QStringLiteral(") AND (tblCardType.EditionID = %1) AND ((tblCardType.UsedInSet = 0) OR "
                            "(tblCardType.UsedInSet = ")
                 .arg(layout().edition) +
             QString::number(iSetID) + QStringLiteral("))") +
             QStringLiteral(" ORDER BY UpperLeft, Lowerleft, Number");
    const RecordsetPtr types = GetRecordset(strSQL);
    // Each text read by itself, so that one that cannot be used is named with its type.
    FillCombo(
        cboType, *types,
        [&](Recordset& type) {
            return stored::text(type, QStringLiteral("UpperLeft")) + layout().typeSeparator +
                   stored::text(type, corner) + QStringLiteral(" (") +
                   stored::text(type, QStringLiteral("Number")) + QStringLiteral(")");
        },
        QStringLiteral("CardTypeID"));
    if (cboType.ListCount() > 0) cboType.setListIndex(0);
}

void SmallCardEditor::FillCardBackCombo() {
    if (!openSetHasLists()) {
        cboCardBack.Clear();
        return;
    }
    strSQL = QStringLiteral("SELECT tblCardBack.CardBackID, tblCardBack.BackText") +
             QStringLiteral(" FROM tblCardBack") + QStringLiteral(" WHERE tblCardBack.LanguageID = ") +
             openSetLanguageKey() + QStringLiteral(" AND tblCardBack.EditionID = %1").arg(layout().edition) +
             QStringLiteral(" ORDER BY tblCardBack.BackText");
    const RecordsetPtr backs = GetRecordset(strSQL);
    FillCombo(cboCardBack, *backs, QStringLiteral("BackText"), QStringLiteral("CardBackID"));
    if (cboCardBack.ListCount() > 0) cboCardBack.setListIndex(0);
}

void SmallCardEditor::EnableCardControls(bool b) {
    previewContainer.setVisible(b);
    picCardRest.setVisible(b);
    cmdCardDelete.setEnabled(b);
    lblCurrentCard.setEnabled(b);
    for (CommandButton& button : cmdCardNav)
        button.setEnabled(b);
    cmdSort.setEnabled(b);
}

void SmallCardEditor::ShowCardFields() {
    m_shown.remember();
    const LoadingScope loading(bLoading);
    showStoredFields();
    if (layout().edition == 2)
        frmCard->CreateCard2nd();
    else
        frmCard->CreateCard3rd();
}

void SmallCardEditor::showStoredFields() {
    Recordset& card = *rsCard;
    const LoadingScope loading(bLoading);
    lblCurrentCard.setCaption(stored::text(card, QStringLiteral("Nr")) + QStringLiteral(" (") +
                              lblCurrentCard.Tag() + QStringLiteral(")"));
    txtTitle.setText(stored::text(card, QStringLiteral("Title")));
    udCopy.setValue(stored::number(card, QStringLiteral("Copies")));
    txtCopy.setText(stored::text(card, QStringLiteral("Copies")));
    SelectComboItem(cboType, stored::number(card, QStringLiteral("CardTypeID")));
    chkOneLine.setValue(BoolToCheck(stored::flag(card, QStringLiteral("OneLine"))));
    cboNumber.setText(stored::text(card, QStringLiteral("Number")));
    chkShowPicture.setValue(BoolToCheck(stored::flag(card, QStringLiteral("UsePicture"))));
    chkFrame.setValue(BoolToCheck(stored::flag(card, QStringLiteral("UseFrame"))));
    chkResize.setValue(BoolToCheck(stored::flag(card, QStringLiteral("Resize"))));
    txtArtist.setText(stored::text(card, QStringLiteral("Artist")));
    showFrameSize();
    txtBold.setText(stored::text(card, QStringLiteral("BoldText")));
    boldTextShown();
    txtInfo.setText(stored::text(card, QStringLiteral("Information")));
    SelectComboItem(cboCardBack, stored::number(card, QStringLiteral("CardBackID")));
    picColour.setBackColor(stored::colour(card, QStringLiteral("BGColour")));
    picSymbol.widget()->raise();
}

void SmallCardEditor::cmdCardNav_Click(int Index) {
    if (!hasCards()) {
        EnableCardControls(false);
        return;
    }
    stored::CollectedReports reports;
    m_shown.navigate(Index);
    // The fields would wait for the same lock again; the card shown stays the one they show.
    if (!DrawCard()) return;
    ShowCardFields();
    reports.show();
}

void SmallCardEditor::UpdateDisplay() {
    if (!hasCards()) return;
    if (!locateShownCard()) rsCard->moveFirst();
    cmdCardNav_Click(-1);
}

void SmallCardEditor::writeCardField(const QString& field, const Variant& value) {
    editShownCard([&](Recordset& card) { card.field(field) = value; });
}

void SmallCardEditor::editShownCard(const std::function<void(Recordset&)>& assign) {
    m_shown.edit(assign, [this] { showStoredFields(); });
}

Recordset& SmallCardEditor::shownCard() {
    return m_shown.row();
}

void SmallCardEditor::showFrameSize() {
    lblPicDim.setCaption(vbStr(picFrame.Width()) + QStringLiteral("W * ") + vbStr(picFrame.Height()) +
                         QStringLiteral("H"));
}

// ---- Adding and deleting ----

void SmallCardEditor::cmdCardAdd_Click() {
    if (iSetID == 0) return;
    const std::optional<NewCardDefaults> defaults = newCardDefaults();
    if (!defaults) return;
    const qint32 n = m_shown.nextNr();
    if (n > kLargestNr) {
        MsgBox(QStringLiteral("A set holds at most 32767 cards: no card can be added."), vbExclamation,
               kAddTitle);
        return;
    }
    try {
        // The new card and the set's new defaults are stored together or not at all.
        m_shown.insertNumbered(qint16(n), [&] { SetNewCardDefaults(*defaults, qint16(n)); });
    } catch (const VbError& error) {
        rsSet->cancelUpdate();
        m_shown.reopenAfterFailedWrite(recordView(), kAddTitle,
                                       QStringLiteral("The card could not be added."), error);
        return;
    }
    EnableCardControls(true);
    DrawCard();
    ShowCardFields();
    showPosition(QString::number(n), n);
    SelectAllText(txtTitle);
    txtTitle.SetFocus();
}

// The set's default type and back, or the first entries of the lists while the set has none
// that the lists hold (a default of the other edition, after the set's edition changed, counts
// as none); nothing (with a message) when the set has no type or back to give.
std::optional<SmallCardEditor::NewCardDefaults> SmallCardEditor::newCardDefaults() {
    NewCardDefaults defaults;
    defaults.cardTypeID = stored::number(*rsSet, QStringLiteral("DefaultCardTypeID"));
    if (ComboIndexOf(cboType, defaults.cardTypeID) < 0) {
        if (cboType.ListCount() == 0) {
            MsgBox(QStringLiteral(
                       "There is no card type for this set's edition and language: no card can be added."),
                   vbExclamation, kAddTitle);
            return std::nullopt;
        }
        defaults.cardTypeID = qint32(cboType.ItemData(0));
        defaults.storeCardType = true;
    }
    if (!moveToRow(rsCardType, QStringLiteral("CardTypeID"), defaults.cardTypeID)) {
        MsgBox(QStringLiteral("The set's default card type cannot be found: no card can be added.\r\n\r\n"
                              "Choose another default card type for the set."),
               vbExclamation, kAddTitle);
        return std::nullopt;
    }
    defaults.number = stored::text(*rsCardType, QStringLiteral("Number"));
    defaults.cardBackID = stored::number(*rsSet, QStringLiteral("DefaultCardBackID"));
    if (ComboIndexOf(cboCardBack, defaults.cardBackID) < 0) {
        if (cboCardBack.ListCount() == 0) {
            MsgBox(QStringLiteral(
                       "There is no card back for this set's edition and language: no card can be added."),
                   vbExclamation, kAddTitle);
            return std::nullopt;
        }
        defaults.cardBackID = qint32(cboCardBack.ItemData(0));
        defaults.storeCardBack = true;
    }
    return defaults;
}

void SmallCardEditor::SetNewCardDefaults(const NewCardDefaults& defaults, qint16 nr) {
    Recordset& card = *rsCard;
    card.field(QStringLiteral("SetID")) = rsSet->field(QStringLiteral("SetID")).value();
    card.field(QStringLiteral("Title")) = QStringLiteral("CARD ") + QString::number(nr);
    card.field(QStringLiteral("Copies")) = 1;
    if (defaults.storeCardType) {
        rsSet->field(QStringLiteral("DefaultCardTypeID")) = qint64(defaults.cardTypeID);
        rsSet->update();
    }
    card.field(QStringLiteral("CardTypeID")) = qint64(defaults.cardTypeID);
    card.field(QStringLiteral("Number")) = defaults.number;
    card.field(QStringLiteral("OneLine")) = Variant(false);
    card.field(QStringLiteral("UsePicture")) = Variant(true);
    card.field(QStringLiteral("PicTop")) = 0;
    card.field(QStringLiteral("PicLeft")) = 0;
    card.field(QStringLiteral("PicHeight")) = 105;
    card.field(QStringLiteral("Resize")) = Variant(false);
    card.field(QStringLiteral("UseFrame")) = Variant(true);
    card.field(QStringLiteral("Artist")) = QString();
    card.field(QStringLiteral("BoldText")) = QString();
    card.field(QStringLiteral("Information")) = QString();
    if (defaults.storeCardBack) {
        rsSet->field(QStringLiteral("DefaultCardBackID")) = qint64(defaults.cardBackID);
        rsSet->update();
    }
    card.field(QStringLiteral("CardBackID")) = qint64(defaults.cardBackID);
    card.field(QStringLiteral("BGColour")) = qint64(vbWhite);
    card.field(QStringLiteral("FileName")) = QString();
}

void SmallCardEditor::cmdCardDelete_Click() {
    m_shown.deleteShown(recordView(), kDeleteTitle, QStringLiteral("The card could not be deleted."));
}

RecordView SmallCardEditor::recordView() {
    return {[this] { OpenCardRecordset(); }, [this](bool b) { EnableCardControls(b); },
            [this] { cmdCardNav_Click(-1); }, lblCurrentCard};
}

// ---- Layout ----

SmallCardEditor::CornerTexts SmallCardEditor::cardTypeCorners(qint32 cardTypeID) const {
    // A type the lookup does not hold (another edition's, or deleted) has no corner texts.
    if (!moveToRow(rsCardType, QStringLiteral("CardTypeID"), cardTypeID)) return {};
    Recordset& type = *rsCardType;
    return {stored::text(type, QStringLiteral("UpperLeft")), stored::text(type, QStringLiteral("LowerLeft")),
            stored::text(type, QStringLiteral("UpperRight")),
            stored::text(type, QStringLiteral("LowerRight"))};
}

bool SmallCardEditor::DrawCard() {
    if (!rsCard) return true;
    Recordset& card = *rsCard;
    LayoutSteps step;
    step([&] { showSetFonts(); });
    step([&] { lblTitle.setCaption(stored::text(card, QStringLiteral("Title"))); });
    CornerTexts corners;
    step([&] { corners = cardTypeCorners(stored::number(card, QStringLiteral("CardTypeID"))); });
    step([&] { layOutCardType(corners, stored::flag(card, QStringLiteral("OneLine"))); });
    step([&] { lblNumber.setCaption(stored::text(card, QStringLiteral("Number"))); });
    step([&] {
        const QString bold = stored::text(card, QStringLiteral("BoldText"));
        lblBold.setCaption(bold);
        boldTextShown();
        lblBold.setHeight(bold.isEmpty() ? 1 : layout().boldHeight);
    });
    step([&] { lblInformation.setCaption(stored::text(card, QStringLiteral("Information"))); });
    step([&] { lblAutonumber.setCaption(stored::text(card, QStringLiteral("Nr"))); });
    step([&] { lblAutonumber.setVisible(stored::flag(*rsSet, QStringLiteral("Autonumber"))); });
    step([&] { picFrame.setVisible(stored::flag(card, QStringLiteral("UsePicture"))); });
    step([&] {
        picFrame.setBorderStyle(stored::flag(card, QStringLiteral("UseFrame")) ? vbFixedSingle : vbBSNone);
    });
    step([&] { picFrame.setHeight(storedFrameHeight(card)); });
    step([&] { lblPicSize.setTop(picFrame.Top() + picFrame.Height()); });
    step([&] {
        const double above =
            picFrame.Visible() ? picFrame.Top() + picFrame.Height() : lblTitle.Top() + lblTitle.Height();
        lblBold.setTop(above + 3);
    });
    step([&] { placeInformationUnderBold(); });
    step([&] {
        stored::showPicture(picImage, card, QStringLiteral("Picture"));
        picImage.Refresh();
    });
    step([&] { placeFrame(card); });
    step([&] { stored::showPicture(picCard, card, QStringLiteral("Background")); });
    step([&] { picCard.setBackColor(stored::colour(card, QStringLiteral("BGColour"))); });
    step([&] {
        frmCard->RotateArtist(stored::text(card, QStringLiteral("Artist")),
                              stored::colour(card, QStringLiteral("BGColour")),
                              stored::hasBytes(card, QStringLiteral("Background")), *this);
    });
    step([&] {
        // A back the lookup does not hold leaves the box without a picture.
        if (moveToRow(rsCardBack, QStringLiteral("CardBackID"),
                      stored::number(card, QStringLiteral("CardBackID"))))
            stored::showPicture(picBack, *rsCardBack, QStringLiteral("Picture"));
        else
            picBack.setPicture(Picture());
    });
    step([&] {
        const bool useSymbol = stored::flag(*rsSet, QStringLiteral("UseSymbol"));
        picSymbol.setVisible(useSymbol);
        if (!useSymbol) return;
        picSymbol.setPicture(frmMaster->picSetSymbol.Picture());
        picSymbol.setTop(picCard.Height() - picSymbol.Height() - 2);
        picSymbol.setLeft(0);
    });
    return !step.locked();
}

// Before the bold text is coloured: the 3rd edition prints it in its label's colour.
void SmallCardEditor::showSetFonts() {
    frmCard->showSetFonts(smallCardTexts(*this));
}

void SmallCardEditor::placeInformationUnderBold() {
    lblInformation.setTop(lblBold.Top() + lblBold.Height());
    if (layout().informationBottom - lblInformation.Top() < 1)
        lblInformation.setTop(layout().informationNoRoomTop);
    lblInformation.setHeight(std::max(0.0, layout().informationBottom - lblInformation.Top()));
}

double SmallCardEditor::storedFrameHeight(Recordset& card) const {
    return stored::extent(card, QStringLiteral("PicHeight"), layout().card.height - layout().frame.top);
}

// Offsets inside the frame are twips; the frame itself stands in pixels of the card.
void SmallCardEditor::placeFrame(Recordset& card) {
    const Rect& room = layout().card;
    const double picTop = stored::offset(card, QStringLiteral("PicTop"), picImage.Height(), room.height);
    const double picLeft = stored::offset(card, QStringLiteral("PicLeft"), picImage.Width(), room.width);
    if (stored::flag(card, QStringLiteral("Resize"))) {
        // The frame follows the picture: PicLeft places the frame, the picture sits at its left edge.
        picFrame.setLeft(picLeft / twipsPerPixel + layout().frame.left);
        picFrame.setWidth(picImage.Width() / twipsPerPixel);
        picImage.setTop(picTop);
        picImage.setLeft(0);
    } else {
        picFrame.setLeft(layout().frame.left);
        picFrame.setWidth(layout().frame.width);
        picImage.setTop(picTop);
        picImage.setLeft(picLeft);
    }
}
