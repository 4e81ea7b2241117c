#pragma once
// The window of the large-card editor: the record row, the panel of edit controls and the
// preview of the card and its back, with their captions, access keys, places and tab order.
// The preview controls stand at their places on the card; the renderer reads them from here.

#include "forms/forms.h"
#include "forms/taborder.h"
#include "forms/textlayer.h"
#include "forms/updown.h"

#include <deque>

class LargeCardWindow : public Form {
    Q_OBJECT
public:
    // Record row.
    CommandButton cmdCardAdd;
    CommandButton cmdCardDelete;
    std::deque<CommandButton> cmdCardNav; // 0 first, 1 previous, 2 next, 3 last
    Label lblCurrentCard;

    // Edit panel.
    PictureBox picLargeCard;
    TextBox txtTitleLarge;
    CommandButton cmdGetPicLarge;
    CommandButton cmdDelPicLarge;
    CheckBox chkShowPictureLarge;
    Label lblPicDimLarge;
    CheckBox chkFrameLarge;
    CheckBox chkResizeLarge;
    CommandButton cmdBackPicLarge;
    CommandButton cmdDelBackPicLarge;
    CommandButton cmdCardbackLarge;
    CommandButton cmdDelCardbackLarge;
    PictureBox picColourLarge;
    CommandButton cmdColourLarge;
    UpDown udCopyLarge;
    UpDownBuddy& txtCopyLarge;
    TextBox txtInfoLarge;

    // Preview: pixel scale, except inside the picture frame (twips).
    PictureBox pic2ndCardLarge;
    PictureBox picCardLarge;
    PictureBox picFrameLarge;
    PictureBox picImageLarge;
    Label lblPicSizeLarge;
    Label lblTitleLarge;
    Label lblInformationLarge;
    Label lblAutonumberLarge;
    Label lblWatermark;
    PictureBox picSymbolLarge;
    PictureBox picBackLarge;

    // The right edge of the text column beside the picture frame, in the card box.
    static constexpr double kColumnRight = 296;

protected:
    LargeCardWindow();

private:
    void placePanel();
    void placePreview();
    // The panel's labels, each by the control after it in the tab order.
    using Captions = CaptionLabels;
    Captions addCaptions();
    void setTabOrder(const Captions& captions);

    std::deque<Label> m_captions; // the panel's labels
    TextLayer m_cardTexts;        // over the card box
};
