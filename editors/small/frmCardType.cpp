#include "frmCardType.h"

#include "modData.h"
#include "rowlookup.h"
#include "smallcardlayout.h"
#include "storedvalues.h"

#include "runtime/colour.h"
#include "runtime/vberror.h"

FormInstance<FrmCardType> frmCardType;

namespace {
const QString kKeyPrefix = QStringLiteral("CT");
const QString kLockCaption = QStringLiteral("Lock to set");
const QString kGlobalCaption = QStringLiteral("Make global");

// The list's columns after the first.
constexpr int kNumberColumn = 4;
constexpr int kCustomColumn = 5;
constexpr int kGlobalColumn = 6;

// The window's client area, in pixels.
constexpr double kWidth = 632;
constexpr double kHeight = 415;

void place(Control& control, const Rect& rect) {
    control.Move(rect.left, rect.top, rect.width, rect.height);
}

Font smallFonts(double size) {
    return Font{QStringLiteral("Small Fonts"), size, false, false};
}

// A Null UsedInSet, or one that cannot be used, is no set's and not global either.
bool isGlobal(Recordset& type) {
    return stored::number(type, QStringLiteral("UsedInSet"), -1) == 0;
}
} // namespace

FrmCardType::FrmCardType() : Form(QStringLiteral("frmCardType")) {
    setWindowFlag(Qt::Dialog);
    setCaption(QStringLiteral("Card Type"));
    setScaleMode(vbPixels);
    setWidth(kWidth * twipsPerPixel);
    setHeight(kHeight * twipsPerPixel);

    lvType.Move(8, 8, 456, 224);
    placeSampleCard();

    cmdDelete.setCaption(QStringLiteral("&Delete"));
    cmdDelete.Move(8, 240, 84, 25);
    cmdSet.setCaption(kGlobalCaption);
    cmdSet.Move(96, 240, 96, 25);
    cmdDefault.setCaption(QStringLiteral("&Set as default"));
    cmdDefault.Move(196, 240, 108, 25);
    for (CommandButton* button : {&cmdOK, &cmdDelete, &cmdSet, &cmdDefault})
        button->setEnabled(false);

    placeNewTypeFields();

    cmdOK.setCaption(QStringLiteral("OK"));
    cmdOK.Move(472, 382, 74, 25);
    cmdOK.setDefault(true);
    cmdCancel.setCaption(QStringLiteral("Cancel"));
    cmdCancel.Move(550, 382, 74, 25);
    cmdCancel.setCancel(true);

    ::setTabOrder({&lvType, &cmdDelete, &cmdSet, &cmdDefault, &lblUL, &txtUL, &lblUR, &txtUR, &lblLL, &txtLL,
                   &lblLR, &txtLR, &lblNr, &txtNr, &optGlobal, &optUsedInSet, &cmdNew, &cmdOK, &cmdCancel});
    connectHandlers();
}

// A 2nd-edition small card, with its corner texts where the editor shows them.
void FrmCardType::placeSampleCard() {
    const SmallCardLayout& layout = secondEditionLayout();
    picCard.setScaleMode(vbPixels);
    picCard.setBackColor(vbWhite);
    picCard.Move(472, 8, layout.card.width, layout.card.height);

    place(picFrame, layout.frame);
    picFrame.setBackColor(RGB(224, 224, 224));
    // No artist on the sample card.
    place(picArtistDest, layout.artist);
    picArtistDest.setBorderStyle(vbBSNone);
    picArtistDest.setVisible(false);
    // A rule where the bold text would stand.
    place(lblBold, layout.bold);
    lblBold.setBackColor(vbBlack);

    place(lblTitle, layout.title);
    lblTitle.setAlignment(vbCenter);
    lblTitle.setFont(Font{layout.titleFace, layout.titleSize, layout.titleBold, false});
    lblTitle.setCaption(QStringLiteral("TEST CARD"));

    const QString designTexts[] = {QStringLiteral("ENEMY-"), QStringLiteral("-ENEMY"),
                                   QStringLiteral("Alien"), QStringLiteral("Alien")};
    for (size_t i = 0; i < layout.types.size(); ++i) {
        Label& label = lblType.emplace_back(picCard, QStringLiteral("lblType(%1)").arg(i));
        place(label, layout.types[i]);
        // (0) and (2) sit in the left corners, (1) and (3) in the right ones.
        label.setAlignment(i % 2 == 0 ? vbLeftJustify : vbRightJustify);
        label.setCaption(designTexts[i]);
        label.setFont(smallFonts(6.75));
        label.setUseMnemonic(false); // a card's text: an "&" in it is no access key
    }
    place(lblNumber, layout.number);
    lblNumber.setAlignment(vbCenter);
    lblNumber.setFont(smallFonts(6.75));
    lblNumber.setUseMnemonic(false);
    lblTitle.setUseMnemonic(false);
}

// Laid out as the corners stand on a card: left texts on the left, right ones on the right.
void FrmCardType::placeNewTypeFields() {
    Frame1.setCaption(QStringLiteral(" &New Type "));
    Frame1.Move(8, 273, 456, 134);

    struct Row {
        Label& label;
        const char* caption;
        TextBox& text;
        double left, top, width;
    };
    const Row rows[] = {
        {lblUL, "&Upper left:", txtUL, 12, 22, 130}, {lblUR, "Upper &right:", txtUR, 232, 22, 130},
        {lblLL, "&Lower left:", txtLL, 12, 48, 130}, {lblLR, "Lower r&ight:", txtLR, 232, 48, 130},
        {lblNr, "Num&ber:", txtNr, 12, 74, 40},
    };
    for (const Row& row : rows) {
        row.label.MovePixels(row.left, row.top + 3, 70, 17);
        row.label.setCaption(QString::fromLatin1(row.caption));
        row.text.MovePixels(row.left + 72, row.top, row.width, 21);
    }

    optGlobal.setCaption(QStringLiteral("&Global"));
    optGlobal.MovePixels(150, 74, 70, 21);
    optUsedInSet.setCaption(QStringLiteral("Only for this set of cards"));
    optUsedInSet.MovePixels(232, 74, 200, 21);
    optGlobal.setValue(true);

    cmdNew.setCaption(QStringLiteral("&Add New"));
    cmdNew.MovePixels(350, 100, 84, 25);
}

void FrmCardType::connectHandlers() {
    lvType.ItemClick = [this](ListItem& item) { lvType_ItemClick(item); };
    lvType.ColumnClick = [this](int column) { lvType_ColumnClick(column); };
    for (TextBox* box : {&txtUL, &txtLL, &txtUR, &txtLR, &txtNr}) {
        box->Change = [this] { PreviewFromTextBoxes(); };
        box->GotFocus = [this, box] {
            SelectAllText(*box);
            PreviewFromTextBoxes();
        };
    }
    cmdNew.Click = [this] { cmdNew_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdSet.Click = [this] { cmdSet_Click(); };
    cmdDefault.Click = [this] { cmdDefault_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void FrmCardType::Form_Load() {
    const double W = lvType.Width();
    const double corner = (W - 160) / 4;
    lvType.AddColumnHeader(QStringLiteral("Upper left"), corner, lvwColumnLeft);
    lvType.AddColumnHeader(QStringLiteral("Lower Left"), corner, lvwColumnLeft);
    lvType.AddColumnHeader(QStringLiteral("Upper right"), corner, lvwColumnRight);
    lvType.AddColumnHeader(QStringLiteral("Lower right"), corner, lvwColumnRight);
    lvType.AddColumnHeader(QStringLiteral("Nr"), 28, lvwColumnLeft);
    lvType.AddColumnHeader(QStringLiteral("Custom"), 56, lvwColumnLeft);
    lvType.AddColumnHeader(QStringLiteral("Global"), 56, lvwColumnLeft);

    // Both editions, and types locked to other sets of the language too.
    strSQL = QStringLiteral("SELECT * FROM tblCardType WHERE LanguageID = ") + openSetLanguageKey() +
             QStringLiteral(" ORDER BY UpperLeft, LowerLeft, Number");
    OpenRecordset(strSQL, rsType);
    FillTypeList();
}

void FrmCardType::FillTypeList() {
    lvType.ClearListItems();
    Recordset& rs = *rsType;
    if (rs.bof() && rs.eof()) return;
    stored::CollectedReports reports;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QString key = listKey(kKeyPrefix, rs.field(QStringLiteral("CardTypeID")).toLong());
        ListItem& item = lvType.AddListItem(key, stored::text(rs, QStringLiteral("UpperLeft")));
        item.setSubItems(1, stored::text(rs, QStringLiteral("LowerLeft")));
        item.setSubItems(2, stored::text(rs, QStringLiteral("UpperRight")));
        item.setSubItems(3, stored::text(rs, QStringLiteral("LowerRight")));
        item.setSubItems(kNumberColumn, stored::text(rs, QStringLiteral("Number")));
        item.setSubItems(kCustomColumn, YesNo(!stored::flag(rs, QStringLiteral("Original"))));
        item.setSubItems(kGlobalColumn, YesNo(isGlobal(rs)));
    }
}

void FrmCardType::ShowTypePreview(const QString& UL, const QString& LL, const QString& UR, const QString& LR,
                                  const QString& Nr) {
    lblType[0].setCaption(UL);
    lblType[1].setCaption(UR);
    lblType[2].setCaption(LL);
    lblType[3].setCaption(LR);
    lblNumber.setCaption(Nr);
}

void FrmCardType::PreviewFromTextBoxes() {
    ShowTypePreview(txtUL.Text(), txtLL.Text(), txtUR.Text(), txtLR.Text(), txtNr.Text());
}

void FrmCardType::SortTypeList(int column) {
    SortListView(lvType, column, lvwAscending);
}

void FrmCardType::disableSelectionButtons() {
    for (CommandButton* button : {&cmdOK, &cmdDelete, &cmdSet, &cmdDefault})
        button->setEnabled(false);
}

void FrmCardType::lvType_ItemClick(ListItem& item) {
    try {
        CardTypeID = keyOfListKey(item.Key(), kKeyPrefix);
        ShowTypePreview(item.Text(), item.SubItems(1), item.SubItems(2), item.SubItems(3),
                        item.SubItems(kNumberColumn));
        const bool custom = item.SubItems(kCustomColumn) == YesNo(true);
        cmdDelete.setEnabled(custom);
        cmdOK.setEnabled(true);
        cmdDefault.setEnabled(true);
        cmdSet.setCaption(item.SubItems(kGlobalColumn) == YesNo(true) ? kLockCaption : kGlobalCaption);
        cmdSet.setEnabled(custom);
    } catch (const VbError&) {
        // Quietly: the scope button keeps its state.
        cmdDelete.setEnabled(false);
        cmdOK.setEnabled(false);
        cmdDefault.setEnabled(false);
    }
}

void FrmCardType::lvType_ColumnClick(int column) {
    // Always ascending: a second click does not reverse the order.
    SortTypeList(column - 1);
}

void FrmCardType::cmdNew_Click() {
    if (txtUL.Text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("You must have a text as upper left."), vbExclamation + vbOKOnly,
               QStringLiteral("Add new type."));
        txtUL.SetFocus();
        return;
    }
    Recordset& rs = *rsType;
    rs.addNew();
    editRow(rs, [&] {
        // The texts as typed: spaces are part of a corner's text.
        rs.field(QStringLiteral("UpperLeft")) = txtUL.Text();
        rs.field(QStringLiteral("LowerLeft")) = txtLL.Text();
        rs.field(QStringLiteral("UpperRight")) = txtUR.Text();
        rs.field(QStringLiteral("LowerRight")) = txtLR.Text();
        rs.field(QStringLiteral("Number")) = txtNr.Text();
        rs.field(QStringLiteral("LanguageID")) = rsSet->field(QStringLiteral("LanguageID")).value();
        rs.field(QStringLiteral("EditionID")) = 2;
        rs.field(QStringLiteral("Original")) = Variant(false);
        rs.field(QStringLiteral("UsedInSet")) = qint64(optGlobal.Value() ? 0 : iSetID);
    });

    // The refilled list keeps the type the buttons act on selected.
    const QString selectedKey = lvType.SelectedItem() ? lvType.SelectedItem()->Key() : QString();
    FillTypeList();
    SortTypeList(0);
    if (!selectedKey.isEmpty()) lvType.setSelectedItem(lvType.FindListItem(selectedKey));
}

void FrmCardType::cmdDelete_Click() {
    const ListItem* item = lvType.SelectedItem();
    if (!item) return;
    try {
        const qint32 id = keyOfListKey(item->Key(), kKeyPrefix);
        // Any card of any set keeps its type.
        strSQL = QStringLiteral("SELECT CardID FROM tblCard WHERE CardTypeID = ") + QString::number(id);
        if (RecordExists(strSQL)) {
            MsgBox(QStringLiteral("This type can not be deleted. There are cards using it."), vbExclamation);
            return;
        }
        if (!moveToRow(rsType, QStringLiteral("CardTypeID"), id)) return;
        rsType->deleteCurrent();
        FillTypeList();
        SortTypeList(0);
        // The deleted type must not be handed on to a card or the set.
        CardTypeID = 0;
        disableSelectionButtons();
    } catch (const VbError&) {
    }
}

void FrmCardType::cmdSet_Click() {
    ListItem* item = lvType.SelectedItem();
    if (!item) return;
    try {
        const qint32 id = keyOfListKey(item->Key(), kKeyPrefix);
        if (!moveToRow(rsType, QStringLiteral("CardTypeID"), id)) return;
        const bool lock = isGlobal(*rsType);
        editRow(*rsType, [&] { rsType->field(QStringLiteral("UsedInSet")) = qint64(lock ? iSetID : 0); });
        cmdSet.setCaption(lock ? kGlobalCaption : kLockCaption);
        item->setSubItems(kGlobalColumn, YesNo(!lock));
    } catch (const VbError&) {
    }
}

void FrmCardType::cmdDefault_Click() {
    editRow(*rsSet, [this] { rsSet->field(QStringLiteral("DefaultCardTypeID")) = qint64(CardTypeID); });
}

void FrmCardType::cmdOK_Click() {
    bOK = true;
    Hide();
}

void FrmCardType::cmdCancel_Click() {
    bOK = false;
    Hide();
}
