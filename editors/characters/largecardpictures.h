#pragma once
// The large card's picture, background and own back, chosen from a file or removed, and its
// background colour. A file is stored whole, and only once it has loaded as a picture;
// otherwise nothing changes and the user is told. Each chooser remembers its own folder.

#include "largecardplacement.h"

#include "picturechoice.h"

class LargeCardPictures : public LargeCardPlacement {
    Q_OBJECT
protected:
    LargeCardPictures();

private:
    // What the three choosers differ in.
    struct Chooser {
        const char* title;
        const char* field;
        PictureBox& preview;
        QString& folder; // where the chooser opens next time
        bool placed;     // the picture has offsets, which a new picture resets
    };

    void cmdGetPicLarge_Click();
    void cmdBackPicLarge_Click();
    void cmdCardbackLarge_Click();
    void cmdDelPicLarge_Click();
    void cmdDelBackPicLarge_Click();
    void cmdDelCardbackLarge_Click();
    void cmdColourLarge_Click();

    void choosePicture(const Chooser& chooser);
    void removePicture(const char* field, PictureBox& preview, const RecordAssign& alsoAssign = {});

    QString m_pictureFolder;
    QString m_backgroundFolder;
    QString m_cardBackFolder;
};
