#pragma once
// The field edits of a small-card editor: each edit control writes its field of the shown
// card at once and refreshes only what that field drives on the preview. Nothing is
// written while a card is being shown (bLoading).

#include "smallcardeditor.h"

class SmallCardFieldEdits : public SmallCardEditor {
protected:
    explicit SmallCardFieldEdits(const SmallCardLayout& layout);

    // Draws the artist strip again over the card's colour or, with a background, its pixels.
    void redrawArtist(const QString& artist, bool hasBackground);
    // The information label from under the bold text down to the bottom line.
    void placeInformation();

private:
    void txtTitle_Change();
    void txtInfo_Change();
    void txtBold_Change();
    void txtArtist_Change();
    void cboNumber_Change();
    void cboNumber_Click();
    void cboType_Click();
    void cboCardBack_Click();
    void chkOneLine_Click();
    void chkShowPicture_Click();
    void chkFrame_Click();
    void chkResize_Click();
    void udCopy_Change();
    void cmdColour_Click();
    void picColour_Click();

    void storeBoldText();
};
