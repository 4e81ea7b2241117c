#include "frmCardList.h"
#include "modData.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "db/transaction.h"
#include "runtime/vberror.h"

#include <QImage>

FormInstance<FrmCardList> frmCardList;

namespace {
const QString kKeyPrefix = QStringLiteral("C");
const QString kCardID = QStringLiteral("CardID");
const QString kNr = QStringLiteral("Nr");
// Card numbers are 16-bit.
constexpr qint16 kLargestNr = 32767;

// The window's client size and its frame, in pixels.
constexpr double kClientWidth = 552;
constexpr double kClientHeight = 424;
constexpr double kFrameWidth = 8;
constexpr double kFrameHeight = 34;

// The texts of one row of the list's query, read wherever the recordset stands.
struct CardRow {
    explicit CardRow(Recordset& rs) : m_rs(rs) {}

    QString text(const QString& field) const { return stored::text(m_rs, field); }

    // The upper-left corner, then the lower-left one or else an upper-right one that differs
    // (an empty one adds no stray space), then the card's number in parentheses.
    QString typeText() const {
        QString result = text(QStringLiteral("UpperLeft"));
        if (const QString lower = text(QStringLiteral("LowerLeft")); !lower.isEmpty())
            result += QLatin1Char(' ') + lower;
        else if (const QString right = text(QStringLiteral("UpperRight"));
                 !right.isEmpty() && right != result)
            result += QLatin1Char(' ') + right;
        if (const QString shown = text(QStringLiteral("Number")); !shown.isEmpty())
            result += QStringLiteral(" (") + shown + QLatin1Char(')');
        return result;
    }

    // Whether the stored number is already n: anything else is written anew.
    bool numbered(qint16 n) const {
        const Variant nr = m_rs.field(kNr).value();
        return nr.type() == Variant::Type::Integer && nr.toDouble() == n;
    }

private:
    Recordset& m_rs;
};

void makeArrowButton(CommandButton& button, const QString& icon, const QString& name) {
    button.setPicture(Picture(QImage(icon)));
    button.setToolTipText(name);
}
} // namespace

FrmCardList::FrmCardList() : Form(QStringLiteral("frmCardList")) {
    setWindowFlag(Qt::Dialog);
    setCaption(QStringLiteral("Card List"));
    setScaleMode(vbPixels);
    setWidth((kClientWidth + kFrameWidth) * twipsPerPixel);
    setHeight((kClientHeight + kFrameHeight) * twipsPerPixel);

    lvCard.Move(8, 8, 448, 300);
    makeArrowButton(cmdUp, QStringLiteral(":/icons/up.xpm"), QStringLiteral("Up"));
    cmdUp.Move(464, 8, 80, 32);
    makeArrowButton(cmdDown, QStringLiteral(":/icons/down.xpm"), QStringLiteral("Down"));
    cmdDown.Move(464, 46, 80, 32);

    fraCardText.setCaption(QStringLiteral("Card text"));
    fraCardText.Move(8, 316, 448, 100);
    lblBold.setUseMnemonic(false);
    lblBold.setFont(Font{.Bold = true});
    lblBold.MovePixels(10, 22, 428, 16);
    lblInformation.setUseMnemonic(false);
    lblInformation.setWordWrap(true);
    lblInformation.MovePixels(10, 42, 428, 52);

    cmdGoTo.setCaption(QStringLiteral("&Go to"));
    cmdGoTo.Move(464, 352, 80, 28);
    cmdClose.setCaption(QStringLiteral("&Close"));
    cmdClose.Move(464, 388, 80, 28);
    cmdGoTo.setDefault(true);
    cmdClose.setCancel(true);

    cmdUp.Click = [this] { cmdUp_Click(); };
    cmdDown.Click = [this] { cmdDown_Click(); };
    cmdGoTo.Click = [this] { cmdGoTo_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    lvCard.ItemClick = [this](ListItem& item) { lvCard_ItemClick(item); };
    lvCard.DblClick = [this] { lvCard_DblClick(); };
}

void FrmCardList::Form_Load() {
    SelectOut = false;
    const double width = lvCard.Width() / 3 - 10;
    lvCard.AddColumnHeader(QStringLiteral("Card"), width);
    lvCard.AddColumnHeader(QStringLiteral("Type"), width);
    lvCard.AddColumnHeader(QStringLiteral("Back"), width);
}

// Every card of the set is listed, also one whose type or back row is gone, so that no
// two cards end up with one number. The texts come from a snapshot of the query, read in
// one pass; the updatable recordset holds the same cards in the same order (the card's key
// breaks ties) and only writes the numbers that change, in one transaction, so that a set
// of thousands of cards opens at once.
void FrmCardList::FillList() {
    strSQL =
        QStringLiteral("SELECT tblCard.CardID, tblCard.Nr, tblCard.Title, tblCardType.UpperLeft, "
                       "tblCardType.LowerLeft, tblCardType.UpperRight, tblCardType.LowerRight, "
                       "tblCard.Number, tblCardBack.BackText, tblCard.BoldText, tblCard.Information, "
                       "tblCard.SetID, tblCardType.CardTypeID, tblCardBack.CardBackID"
                       " FROM (tblCard LEFT JOIN tblCardType ON tblCardType.CardTypeID = tblCard.CardTypeID)"
                       " LEFT JOIN tblCardBack ON tblCardBack.CardBackID = tblCard.CardBackID"
                       " WHERE tblCard.SetID=") +
        QString::number(iSetID) + QStringLiteral(" ORDER BY tblCard.Nr, tblCard.Title, tblCard.CardID");
    const RecordsetPtr rows = GetRecordset(strSQL);
    strSQL = QStringLiteral("SELECT CardID, Nr FROM tblCard WHERE SetID=") + QString::number(iSetID) +
             QStringLiteral(" ORDER BY Nr, Title, CardID");
    OpenRecordset(strSQL, rsCardList);
    lvCard.ClearListItems();

    Transaction transaction(*cnData);
    stored::CollectedReports reports;
    const CardRow row(*rows);
    qint16 n = 0;
    for (; !rows->eof(); rows->moveNext(), rsCardList->moveNext()) {
        if (n == kLargestNr) throw VbError(VbError::Overflow);
        ++n;
        ListItem& item = lvCard.AddListItem(listKey(kKeyPrefix, rows->field(kCardID).toLong()),
                                            row.text(QStringLiteral("Title")));
        item.setSubItems(1, row.typeText());
        item.setSubItems(2, row.text(QStringLiteral("BackText")));
        item.setTag(row.text(QStringLiteral("BoldText")));
        item.setToolTipText(row.text(QStringLiteral("Information")));
        if (!row.numbered(n)) {
            rsCardList->field(kNr) = Variant(int(n));
            rsCardList->update();
        }
    }
    transaction.commit();
    ChoosenCardID = 0;
}

void FrmCardList::cmdUp_Click() {
    moveChosenCard(false);
}

void FrmCardList::cmdDown_Click() {
    moveChosenCard(true);
}

void FrmCardList::moveChosenCard(bool down) {
    if (ChoosenCardID == 0 || !moveToRow(rsCardList, kCardID, ChoosenCardID)) return;
    Recordset& rs = *rsCardList;
    const Variant n = rs.field(kNr).value();
    down ? rs.moveNext() : rs.movePrevious();
    if (down ? rs.eof() : rs.bof()) return;
    {
        Transaction transaction(*cnData);
        const Variant m = rs.field(kNr).value();
        rs.field(kNr) = n;
        rs.update();
        down ? rs.movePrevious() : rs.moveNext();
        rs.field(kNr) = m;
        rs.update();
        transaction.commit();
    }
    const qint32 id = ChoosenCardID;
    FillList();
    ChoosenCardID = id;
    SelectCardItem(id);
}

void FrmCardList::cmdGoTo_Click() {
    if (ChoosenCardID != 0) SelectOut = true;
    Hide();
}

void FrmCardList::cmdClose_Click() {
    SelectOut = false;
    Hide();
}

void FrmCardList::lvCard_ItemClick(ListItem& item) {
    ChoosenCardID = keyOfListKey(item.Key(), kKeyPrefix);
    lblBold.setCaption(item.Tag());
    lblInformation.setCaption(item.ToolTipText());
}

void FrmCardList::lvCard_DblClick() {
    cmdGoTo_Click();
}

void FrmCardList::SelectCardItem(qint32 id) {
    if (ListItem* item = lvCard.FindListItem(listKey(kKeyPrefix, id))) {
        item->EnsureVisible();
        lvCard.setSelectedItem(item);
    }
}
