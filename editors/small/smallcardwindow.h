#pragma once
// The window of a small-card editor, either edition: the navigation row, the card preview
// (the card box with its labels and pictures, the back beside it) and the panel of edit
// controls, with their captions, access keys, places and tab order. The preview controls
// stand where the edition's layout puts them; the renderer reads them from here.

#include "smallcardlayout.h"

#include "forms/forms.h"
#include "forms/keypreview.h"
#include "forms/taborder.h"
#include "forms/textlayer.h"
#include "forms/updown.h"

#include <deque>

class SmallCardWindow : public Form {
    Q_OBJECT
public:
    // Navigation row.
    CommandButton cmdCardAdd;
    CommandButton cmdCardDelete;
    std::deque<CommandButton> cmdCardNav; // 0 first, 1 previous, 2 next, 3 last
    Label lblCurrentCard;
    CommandButton cmdSort;
    CommandButton cmdStat;

    // Card preview: pixel scale, except inside picFrame (twips).
    PictureBox previewContainer;
    PictureBox picCard;
    PictureBox picBack;
    PictureBox picFrame;
    PictureBox picImage;
    Label lblTitle;
    std::deque<Label> lblType;
    Label lblNumber;
    Label lblBold;
    Label lblPicSize; // above lblBold: in the 3rd edition they overlap
    Label lblInformation;
    Label lblAutonumber;
    Label lblWatermark;
    PictureBox picSymbol;
    PictureBox picArtistDest;

    // Edit panel.
    PictureBox picCardRest;
    ComboBox cboType;
    CommandButton cmdGetType;
    ComboBox cboNumber;
    CheckBox chkOneLine;
    TextBox txtTitle;
    CommandButton cmdGetPic;
    CommandButton cmdDelPic;
    Label lblPicDim;
    CheckBox chkShowPicture;
    CheckBox chkFrame;
    CheckBox chkResize;
    CommandButton cmdBackPic;
    CommandButton cmdDelBackPic;
    CommandButton cmdLastBackPic;
    TextBox txtBold;
    TextBox txtInfo;
    ComboBox cboCardBack;
    CommandButton cmdGetCardBack;
    PictureBox picColour;
    CommandButton cmdColour;
    TextBox txtArtist;
    UpDown udCopy;
    UpDownBuddy& txtCopy;

    const SmallCardLayout& layout() const { return m_layout; }

protected:
    explicit SmallCardWindow(const SmallCardLayout& layout);

    // Every key of the window comes here first (key preview).
    virtual void Form_KeyDown(qint16& KeyCode, qint16 Shift) = 0;

private:
    void placeNavigation();
    void placePreview();
    void placePanel();
    // The panel's labels, each by the control after it in the tab order.
    using Captions = CaptionLabels;
    Captions addCaptions();
    void setTabOrder(const Captions& captions);

    const SmallCardLayout& m_layout;
    std::deque<Label> m_captions; // the panel's labels
    TextLayer m_cardTexts;        // over the card box
    KeyPreview m_keyPreview;      // last: it watches every control above
};
