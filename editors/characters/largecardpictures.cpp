#include "largecardpictures.h"

#include "modPicture.h"
#include "storedvalues.h"

#include "forms/dialogs.h"
#include "runtime/vberror.h"

namespace {
void resetOffsets(Recordset& card) {
    card.field(QStringLiteral("PicTop")) = 0;
    card.field(QStringLiteral("PicLeft")) = 0;
}
} // namespace

LargeCardPictures::LargeCardPictures() {
    cmdGetPicLarge.Click = [this] { cmdGetPicLarge_Click(); };
    cmdBackPicLarge.Click = [this] { cmdBackPicLarge_Click(); };
    cmdCardbackLarge.Click = [this] { cmdCardbackLarge_Click(); };
    cmdDelPicLarge.Click = [this] { cmdDelPicLarge_Click(); };
    cmdDelBackPicLarge.Click = [this] { cmdDelBackPicLarge_Click(); };
    cmdDelCardbackLarge.Click = [this] { cmdDelCardbackLarge_Click(); };
    cmdColourLarge.Click = [this] { cmdColourLarge_Click(); };
    picColourLarge.MouseUp = [this](qint16 Button, qint16, double, double) {
        if (Button == vbLeftButton) cmdColourLarge_Click();
    };
}

void LargeCardPictures::cmdGetPicLarge_Click() {
    choosePicture({"Choose picture", "Picture", picImageLarge, m_pictureFolder, true});
}

void LargeCardPictures::cmdBackPicLarge_Click() {
    choosePicture({"Choose background picture", "BGPicture", picCardLarge, m_backgroundFolder, false});
}

void LargeCardPictures::cmdCardbackLarge_Click() {
    choosePicture({"Choose card back", "LargeCardBack", picBackLarge, m_cardBackFolder, false});
}

// The new picture starts at the frame's corner and takes the focus, so that the keys place
// it at once. The layout is not run again: with Resize the frame keeps its height until then.
void LargeCardPictures::choosePicture(const Chooser& chooser) {
    const QString title = QString::fromLatin1(chooser.title);
    const std::optional<QString> path = dialogs().openFile(pictureFileRequest(title, chooser.folder));
    if (!path) return;
    const std::optional<Picture> picture =
        storePictureFile([this](const RecordAssign& assign) { editShownCard(assign); }, *path,
                         QString::fromLatin1(chooser.field), title,
                         chooser.placed ? RecordAssign(resetOffsets) : RecordAssign());
    if (!picture) return;
    chooser.folder = folderOf(*path);
    if (chooser.placed) {
        chooser.preview.setTop(0);
        chooser.preview.setLeft(0);
    }
    chooser.preview.setPicture(*picture);
    if (chooser.placed && picFrameLarge.Visible()) chooser.preview.SetFocus();
}

// A frame that followed the picture's height gets its own back at once.
void LargeCardPictures::cmdDelPicLarge_Click() {
    removePicture("Picture", picImageLarge, resetOffsets);
    placeFrameAndPicture(shownCard());
    showFrameSize();
}

void LargeCardPictures::cmdDelBackPicLarge_Click() {
    removePicture("BGPicture", picCardLarge);
}

// The back box stays empty until the next layout shows the default back.
void LargeCardPictures::cmdDelCardbackLarge_Click() {
    removePicture("LargeCardBack", picBackLarge);
}

// A refused write goes on to the handler guard, which reports it; the preview then keeps
// the stored picture.
void LargeCardPictures::removePicture(const char* field, PictureBox& preview,
                                      const RecordAssign& alsoAssign) {
    editShownCard([&](Recordset& card) {
        card.field(QString::fromLatin1(field)) = Variant();
        if (alsoAssign) alsoAssign(card);
    });
    preview.setPicture(Picture());
}

// Cancel leaves everything as it was.
void LargeCardPictures::cmdColourLarge_Click() {
    const std::optional<qint32> colour =
        dialogs().chooseColour(stored::colour(shownCard(), QStringLiteral("BGColour")),
                               QStringLiteral("Choose card background colour"));
    if (!colour) return;
    writeCardField(QStringLiteral("BGColour"), *colour);
    picColourLarge.setBackColor(*colour);
    picCardLarge.setBackColor(*colour);
}
