#include "frmCardBacks.h"

#include "modData.h"
#include "modPicture.h"
#include "picturefilewriter.h"
#include "programfiles.h"
#include "rowlookup.h"
#include "storedvalues.h"

#include "db/transaction.h"
#include "forms/dialogs.h"
#include "forms/screen.h"
#include "forms/taborder.h"
#include "gifconv/bmptogif.h"
#include "runtime/files.h"
#include "runtime/picture.h"
#include "runtime/pictureformat.h"
#include "runtime/vberror.h"

#include <QFileInfo>
#include <algorithm>
#include <iterator>

FormInstance<FrmCardBacks> frmCardBacks;

namespace {
const QString kKeyPrefix = QStringLiteral("CB");
const QString kKeyColumn = QStringLiteral("CardBackID");
const QString kChooseTitle = QStringLiteral("Choose picture for Card back");
const QString kBackTitle = QStringLiteral("Card back");
const QString kSaveTitle = QStringLiteral("Save Card back as picture");
constexpr double kDesignHeight = 7245; // twips
constexpr double kMargin = 16;         // pixels right of and below the picture

// The types Save picture offers, in the order of its filter.
constexpr PicFormat kSaveTypes[] = {kBmp, kJpg, kGif};

// The type a name's ending gives, when it is one of those offered, in any case.
std::optional<PicFormat> typeOfEnding(const QString& path) {
    const QString pattern = QStringLiteral("*.") + QFileInfo(path).suffix().toLower();
    if (pattern == QLatin1String("*.bmp")) return kBmp;
    if (pattern == QLatin1String("*.gif")) return kGif;
    if (jpgFilePatterns().split(QLatin1Char(';')).contains(pattern)) return kJpg;
    return std::nullopt;
}

// The type of a stored picture, when it is one of those offered.
std::optional<PicFormat> typeOfBytes(const QByteArray& bytes) {
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp:
        return kBmp;
    case PictureFormat::Jpeg:
        return kJpg;
    case PictureFormat::Gif:
        return kGif;
    default:
        return std::nullopt;
    }
}

// The dialog's own size is in twips; its controls are laid out in pixels.
constexpr double toTwips(double pixels) {
    return pixels * twipsPerPixel;
}
} // namespace

FrmCardBacks::FrmCardBacks() : Form(QStringLiteral("frmCardBacks")) {
    setWindowFlag(Qt::Dialog);
    setCaption(QStringLiteral("Cardback"));
    setScaleMode(vbPixels);
    setWidth(toTwips(449));
    setHeight(kDesignHeight);

    lvCardBack.Move(8, 8, 248, 250);
    cmdUpdate.setCaption(QStringLiteral("&Rename"));
    cmdUpdate.Move(8, 266, 120, 25);
    cmdDelete.setCaption(QStringLiteral("&Delete"));
    cmdDelete.Move(136, 266, 120, 25);
    cmdDefault.setCaption(QStringLiteral("&Set as default"));
    cmdDefault.Move(8, 297, 120, 25);
    cmdSavePicture.setCaption(QStringLiteral("Save &picture"));
    cmdSavePicture.Move(136, 297, 120, 25);

    Frame1.setCaption(QStringLiteral(" New Cardback "));
    Frame1.Move(8, 332, 248, 92);
    Label1.setCaption(QStringLiteral("Name:"));
    Label1.MovePixels(8, 28, 40, 17);
    txtBackText.MovePixels(52, 25, 188, 23);
    cmdLoadPic.setCaption(QStringLiteral("&Load picture"));
    cmdLoadPic.MovePixels(8, 57, 112, 25);
    cmdNew.setCaption(QStringLiteral("Add &New"));
    cmdNew.MovePixels(128, 57, 112, 25);

    cmdOK.setCaption(QStringLiteral("OK"));
    cmdOK.Move(56, 450, 96, 25);
    cmdCancel.setCaption(QStringLiteral("Cancel"));
    cmdCancel.Move(160, 450, 96, 25);
    cmdOK.setDefault(true);
    cmdCancel.setCancel(true);

    lblDimension.setCaption(QStringLiteral("0W x 0H"));
    lblDimension.setUseMnemonic(false);
    lblDimension.Move(272, 8, 160, 17);
    for (PictureBox* box : {&picBack, &picNewBack}) {
        box->setBorderStyle(vbBSNone);
        box->setAutoSize(true);
        box->setVisible(false);
    }
    picBack.Move(272, 30, 0, 0);
    picNewBack.Move(272, 30, 0, 0);

    enableBackButtons(false, false);
    cmdSavePicture.setEnabled(true);
    ::setTabOrder({&lvCardBack, &cmdUpdate, &cmdDelete, &cmdDefault, &cmdSavePicture, &Label1, &txtBackText,
                   &cmdLoadPic, &cmdNew, &cmdOK, &cmdCancel});

    lvCardBack.ItemClick = [this](ListItem& item) { lvCardBack_ItemClick(item); };
    lvCardBack.ColumnClick = [this](int column) { lvCardBack_ColumnClick(column); };
    txtBackText.GotFocus = [this] { txtBackText_GotFocus(); };
    cmdLoadPic.Click = [this] { cmdLoadPic_Click(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
    cmdUpdate.Click = [this] { cmdUpdate_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdDefault.Click = [this] { cmdDefault_Click(); };
    cmdSavePicture.Click = [this] { cmdSavePicture_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void FrmCardBacks::Form_Load() {
    const double width = lvCardBack.Width();
    lvCardBack.AddColumnHeader(QStringLiteral("Name"), width - 85);
    lvCardBack.AddColumnHeader(QStringLiteral("Custom"), 62);
}

void FrmCardBacks::InitBacks(qint16 Edition) {
    strSQL = QStringLiteral("SELECT * FROM tblCardBack WHERE LanguageID = ") + openSetLanguageKey() +
             QStringLiteral(" AND EditionID = ") + QString::number(Edition) +
             QStringLiteral(" ORDER BY BackText");
    OpenRecordset(strSQL, rsBack);
    m_edition = Edition;
    FillBackList();
}

void FrmCardBacks::FillBackList() {
    lvCardBack.ClearListItems();
    if (rsBack->bof() && rsBack->eof()) return;
    stored::CollectedReports reports;
    for (rsBack->moveFirst(); !rsBack->eof(); rsBack->moveNext()) {
        ListItem& item = lvCardBack.AddListItem(listKey(kKeyPrefix, rsBack->field(kKeyColumn).toLong()),
                                                stored::text(*rsBack, QStringLiteral("BackText")));
        item.setSubItems(1, YesNo(!stored::flag(*rsBack, QStringLiteral("Original"))));
    }
}

void FrmCardBacks::ShowBack(qint32 id) {
    moveToRow(rsBack, kKeyColumn, id);
    ShowFieldPicture(picBack, rsBack->field(QStringLiteral("Picture")));
    SizeToBackPicture();
    picBack.setVisible(true);
}

void FrmCardBacks::SizeToBackPicture() {
    lblDimension.setCaption(QString::number(picBack.Width()) + QStringLiteral("W x ") +
                            QString::number(picBack.Height()) + QStringLiteral("H"));
    const double width = toTwips(picBack.Left() + picBack.Width() + kMargin);
    // The picture's bottom is measured against the design height, so that a picture taller
    // than that is never cut because a still taller one was shown before it.
    const double bottom = picBack.Top() + picBack.Height();
    fitOnScreen(width, toTwips(bottom) > kDesignHeight ? toTwips(bottom + kMargin) : kDesignHeight);
}

// Beyond the screen the picture is cut rather than the buttons pushed out of reach.
void FrmCardBacks::fitOnScreen(double width, double height) {
    const QRect room = Screen::availableArea(*this);
    // The window manager's frame is known once the window is shown.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    setWidth(std::min(width, toTwips(room.width() - frame.width())));
    setHeight(std::min(height, toTwips(room.height() - frame.height())));
    if (!isVisible()) return;
    const QRect framed = frameGeometry();
    const int left = std::max(room.left(), std::min(framed.left(), room.right() + 1 - framed.width()));
    const int top = std::max(room.top(), std::min(framed.top(), room.bottom() + 1 - framed.height()));
    if (left != framed.left()) setLeft(Left() + toTwips(left - framed.left()));
    if (top != framed.top()) setTop(Top() + toTwips(top - framed.top()));
}

void FrmCardBacks::SortBackList(int column) {
    SortListView(lvCardBack, column, lvwAscending);
}

void FrmCardBacks::enableBackButtons(bool shown, bool custom) {
    for (CommandButton* button : {&cmdOK, &cmdDefault, &cmdSavePicture})
        button->setEnabled(shown);
    cmdDelete.setEnabled(shown && custom);
    cmdUpdate.setEnabled(shown && custom);
}

// A back whose picture cannot be shown can be neither chosen nor worked on.
void FrmCardBacks::lvCardBack_ItemClick(ListItem& item) {
    try {
        const qint32 id = keyOfListKey(item.Key(), kKeyPrefix);
        ShowBack(id);
        CardBackID = id;
    } catch (const VbError&) {
        enableBackButtons(false, false);
        return;
    }
    enableBackButtons(true, item.SubItems(1) == YesNo(true));
}

void FrmCardBacks::lvCardBack_ColumnClick(int column) {
    SortBackList(column - 1);
}

void FrmCardBacks::txtBackText_GotFocus() {
    SelectAllText(txtBackText);
    if (!picNewBack.Tag().isEmpty()) picBack.setPicture(picNewBack.Picture());
}

// The picture must load before it becomes the pending one; a refused file leaves the
// previous pending picture in place.
void FrmCardBacks::cmdLoadPic_Click() {
    const QString folder =
        picNewBack.Tag().isEmpty() ? QString() : QFileInfo(picNewBack.Tag()).absolutePath();
    const std::optional<QString> path = dialogs().openFile(pictureFileRequest(kChooseTitle, folder));
    if (!path) return;
    Picture picture;
    try {
        picture = LoadChosenPicture(*path);
    } catch (const VbError& error) {
        MsgBox(pictureFileRefusal(*path, error), vbExclamation, kChooseTitle);
        return;
    }
    for (PictureBox* box : {&picBack, &picNewBack}) {
        box->setPicture(picture);
        box->setTag(*path);
    }
    SizeToBackPicture();
    picBack.setVisible(true);
}

void FrmCardBacks::cmdNew_Click() {
    if (txtBackText.Text().isEmpty()) {
        MsgBox(QStringLiteral("You must enter a name for the new Card back."), vbExclamation, kBackTitle);
        txtBackText.SetFocus();
        return;
    }
    if (picNewBack.Tag().isEmpty()) {
        MsgBox(QStringLiteral("You must select a new picture for the Card back."), vbExclamation, kBackTitle);
        cmdLoadPic.SetFocus();
        return;
    }
    if (!addBack()) return;
    FillBackList();
    SortBackList(0);
}

bool FrmCardBacks::addBack() {
    const QString path = picNewBack.Tag();
    try {
        rsBack->addNew();
        rsBack->field(QStringLiteral("BackText")) = txtBackText.Text();
        rsBack->field(QStringLiteral("Original")) = false;
        rsBack->field(QStringLiteral("LanguageID")) = rsSet->field(QStringLiteral("LanguageID")).value();
        rsBack->field(QStringLiteral("EditionID")) = m_edition;
        try {
            // The file was a picture when it was loaded; it may have changed since.
            if (storeFileInFieldOrRaise(path, rsBack->field(QStringLiteral("Picture"))) == 0)
                throw VbError(VbError::InvalidPicture);
        } catch (const VbError& error) {
            rsBack->cancelUpdate();
            MsgBox(pictureFileRefusal(path, error), vbExclamation, kBackTitle);
            return false;
        }
        rsBack->update();
        return true;
    } catch (const VbError& error) {
        // The database's failure (a full disk), not the picture's.
        rsBack->cancelUpdate();
        MsgBox(changeNotSaved(error).shownText(), vbExclamation, kBackTitle);
        return false;
    }
}

std::optional<qint32> FrmCardBacks::locateSelectedBack() {
    const ListItem* item = lvCardBack.SelectedItem();
    if (!item) return std::nullopt;
    const qint32 id = keyOfListKey(item->Key(), kKeyPrefix);
    if (!moveToRow(rsBack, kKeyColumn, id)) return std::nullopt;
    return id;
}

void FrmCardBacks::cmdUpdate_Click() {
    if (!locateSelectedBack()) return;
    if (stored::flag(*rsBack, QStringLiteral("Original"))) {
        cmdUpdate.setEnabled(false);
        return;
    }
    const std::optional<QString> name =
        dialogs().inputBox(QStringLiteral("New name:"), QStringLiteral("Rename Card back"),
                           stored::text(*rsBack, QStringLiteral("BackText")));
    if (!name || name->isEmpty()) return;
    editRow(*rsBack, [&] { rsBack->field(QStringLiteral("BackText")) = *name; });
    FillBackList();
    SortBackList(0);
}

namespace {
// A set whose default back is deleted has none again: its next card takes the first back of
// the list, and no set names a back that is gone.
void clearDefaultBack(qint32 cardBackID) {
    RecordsetPtr sets;
    OpenRecordset(QStringLiteral("SELECT SetID, DefaultCardBackID FROM tblSet WHERE DefaultCardBackID = ") +
                      QString::number(cardBackID),
                  sets);
    for (; !sets->eof(); sets->moveNext())
        editRow(*sets, [&] { sets->field(QStringLiteral("DefaultCardBackID")) = 0; });
}
} // namespace

// Only a back that no card uses is deleted, together with every set default that names it.
void FrmCardBacks::cmdDelete_Click() {
    const ListItem* item = lvCardBack.SelectedItem();
    if (!item) return;
    const qint32 id = keyOfListKey(item->Key(), kKeyPrefix);
    strSQL = QStringLiteral("SELECT CardID FROM tblCard WHERE CardBackID = ") + QString::number(id);
    if (RecordExists(strSQL)) {
        MsgBox(QStringLiteral("This Card back can not be deleted. There are cards using is."), vbExclamation);
        return;
    }
    if (!moveToRow(rsBack, kKeyColumn, id)) return;
    {
        Transaction transaction(*cnData);
        clearDefaultBack(id);
        rsBack->deleteCurrent();
        transaction.commit();
    }
    FillBackList();
    SortBackList(0);
    // Nothing may go on naming the deleted back.
    CardBackID = 0;
    enableBackButtons(false, false);
}

void FrmCardBacks::cmdDefault_Click() {
    editRow(*rsSet, [this] { rsSet->field(QStringLiteral("DefaultCardBackID")) = CardBackID; });
}

// The file holds the type its name's ending gives, else the type of the filter chosen; a back
// stored in that type goes out unchanged, any other is converted by the card images' writers.
void FrmCardBacks::cmdSavePicture_Click() {
    if (!locateSelectedBack()) return;
    FileDialogRequest request;
    request.title = kSaveTitle;
    request.fileName = stored::text(*rsBack, QStringLiteral("BackText"));
    request.filter = QStringLiteral("BMP (*.bmp)|*.bmp|JPG (*.jpg)|") + jpgFilePatterns() +
                     QStringLiteral("|GIF (*.gif)|*.gif|");
    request.filterIndex = 1;
    request.defaultExtension = QStringLiteral("bmp");
    const std::optional<FileChoice> choice = dialogs().saveFile(request);
    if (!choice) return;
    QString path = choice->path;
    std::optional<PicFormat> type = typeOfEnding(path);
    if (!type) {
        // A name without a known ending gets the ending of the filter's type.
        const int filter = choice->filterIndex;
        type = filter >= 1 && filter <= int(std::size(kSaveTypes)) ? kSaveTypes[filter - 1] : kBmp;
        path += QLatin1Char('.') + request.extensionUnder(filter);
    }
    try {
        refuseProgramFile(path);
        // The dialog asked before replacing the name it gave, not the one with an ending added.
        if (path != choice->path && QFileInfo::exists(path) &&
            MsgBox(QStringLiteral("%1 already exists.\r\nDo you want to replace it?").arg(path),
                   vbYesNo + vbExclamation, kSaveTitle) != vbYes)
            return;
        const QByteArray stored = rsBack->field(QStringLiteral("Picture")).toBytes();
        if (typeOfBytes(stored) == type) {
            WriteFileBytes(path, stored);
        } else {
            BmpToGif converter;
            writePictureFile(loadPictureFromBytes(stored), path, *type, converter);
        }
    } catch (const VbError& error) {
        MsgBox(QStringLiteral("The picture could not be saved as \"%1\".\r\n\r\n").arg(path) +
                   error.shownText(),
               vbExclamation, kSaveTitle);
    }
}

void FrmCardBacks::cmdOK_Click() {
    bOK = true;
    Hide();
}

void FrmCardBacks::cmdCancel_Click() {
    bOK = false;
    Hide();
}
