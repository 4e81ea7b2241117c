#pragma once
// The card's picture and background: chosen from a file, removed, and the background last
// chosen in this window put on another card. A file is stored whole, and only once it
// has loaded as a picture; otherwise nothing changes and the user is told.

#include "smallcardplacement.h"

#include "picturechoice.h"

#include <optional>

class SmallCardPictures : public SmallCardPlacement {
protected:
    explicit SmallCardPictures(const SmallCardLayout& layout);

private:
    void cmdGetPic_Click();
    void cmdDelPic_Click();
    void cmdBackPic_Click();
    void cmdDelBackPic_Click();
    void cmdLastBackPic_Click();

    // The open dialog, in the chooser's remembered folder; nothing when cancelled.
    std::optional<QString> choosePictureFile(const QString& rememberedFolder);
    // The shared store into the shown card's field, under this window's title.
    std::optional<Picture> storePictureFile(const QString& path, const QString& field,
                                            const RecordAssign& alsoAssign = {});
    void showBackground(const Picture& background);

    QString m_dialogFolder; // the open dialog keeps the folder it was last given
    QString m_pictureFolder;
    QString m_backgroundFolder;
    QString m_lastBackgroundFile;
};
