#include "smallcardpictures.h"

#include "modPicture.h"
#include "picturechoice.h"
#include "storedvalues.h"

#include "forms/dialogs.h"

namespace {
const QString kChooseTitle = QStringLiteral("Choose picture");
} // namespace

SmallCardPictures::SmallCardPictures(const SmallCardLayout& layout) : SmallCardPlacement(layout) {
    cmdGetPic.Click = [this] { cmdGetPic_Click(); };
    cmdDelPic.Click = [this] { cmdDelPic_Click(); };
    cmdBackPic.Click = [this] { cmdBackPic_Click(); };
    cmdDelBackPic.Click = [this] { cmdDelBackPic_Click(); };
    cmdLastBackPic.Click = [this] { cmdLastBackPic_Click(); };
}

// The new picture starts at the frame's corner and takes the focus, so that the keys
// place it at once.
void SmallCardPictures::cmdGetPic_Click() {
    const std::optional<QString> path = choosePictureFile(m_pictureFolder);
    if (!path) return;
    const std::optional<Picture> picture =
        storePictureFile(*path, QStringLiteral("Picture"), [](Recordset& card) {
            card.field(QStringLiteral("PicLeft")) = 0;
            card.field(QStringLiteral("PicTop")) = 0;
        });
    if (!picture) return;
    m_pictureFolder = folderOf(*path);
    picImage.setTop(0);
    picImage.setLeft(0);
    picImage.setPicture(*picture);
    if (picFrame.Visible()) picImage.SetFocus();
}

void SmallCardPictures::cmdDelPic_Click() {
    editShownCard([](Recordset& card) {
        card.field(QStringLiteral("Picture")) = Variant();
        card.field(QStringLiteral("PicTop")) = 0;
        card.field(QStringLiteral("PicLeft")) = 0;
    });
    picImage.setTop(0);
    picImage.setLeft(0);
    picImage.setPicture(Picture());
}

void SmallCardPictures::cmdBackPic_Click() {
    const std::optional<QString> path = choosePictureFile(m_backgroundFolder);
    if (!path) return;
    const std::optional<Picture> background = storePictureFile(*path, QStringLiteral("Background"));
    if (!background) return;
    m_backgroundFolder = folderOf(*path);
    m_lastBackgroundFile = *path;
    showBackground(*background);
}

void SmallCardPictures::cmdLastBackPic_Click() {
    if (m_lastBackgroundFile.isEmpty()) return;
    const std::optional<Picture> background =
        storePictureFile(m_lastBackgroundFile, QStringLiteral("Background"));
    if (background) showBackground(*background);
}

// The last background stays, so that "Last used" can bring it back.
void SmallCardPictures::cmdDelBackPic_Click() {
    writeCardField(QStringLiteral("Background"), Variant());
    picCard.setPicture(Picture());
}

// The artist strip is drawn over the card's pixels, so it follows the new background.
void SmallCardPictures::showBackground(const Picture& background) {
    picCard.setPicture(background);
    redrawArtist(stored::text(shownCard(), QStringLiteral("Artist")), true);
}

std::optional<QString> SmallCardPictures::choosePictureFile(const QString& rememberedFolder) {
    if (!rememberedFolder.isEmpty()) m_dialogFolder = rememberedFolder;
    return dialogs().openFile(pictureFileRequest(kChooseTitle, m_dialogFolder));
}

std::optional<Picture> SmallCardPictures::storePictureFile(const QString& path, const QString& field,
                                                           const RecordAssign& alsoAssign) {
    return ::storePictureFile([this](const RecordAssign& assign) { editShownCard(assign); }, path, field,
                              kChooseTitle, alsoAssign);
}
