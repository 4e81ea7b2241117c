#pragma once
// The card-back dialog: choose a back of one edition in the open set's language, add a back
// from a picture file, rename or delete the user's own backs, make one the set's default.
// The caller loads it, calls InitBacks, shows it modally, reads bOK and CardBackID, and
// unloads it. What is stored here stays stored whether the dialog ends with OK or Cancel.

#include "db/connection.h"
#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/listview.h"
#include "forms/picturebox.h"
#include "forms/textbox.h"

#include <optional>

class FrmCardBacks : public Form {
    Q_OBJECT
public:
    FrmCardBacks();

    bool bOK = false;
    qint32 CardBackID = 0;

    void InitBacks(qint16 Edition);

    ListView lvCardBack{*this, QStringLiteral("lvCardBack")};
    CommandButton cmdUpdate{*this, QStringLiteral("cmdUpdate")};
    CommandButton cmdDelete{*this, QStringLiteral("cmdDelete")};
    CommandButton cmdDefault{*this, QStringLiteral("cmdDefault")};
    CommandButton cmdSavePicture{*this, QStringLiteral("cmdSavePicture")};
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Label Label1{Frame1, QStringLiteral("Label1")};
    TextBox txtBackText{Frame1, QStringLiteral("txtBackText")};
    CommandButton cmdLoadPic{Frame1, QStringLiteral("cmdLoadPic")};
    CommandButton cmdNew{Frame1, QStringLiteral("cmdNew")};
    CommandButton cmdOK{*this, QStringLiteral("cmdOK")};
    CommandButton cmdCancel{*this, QStringLiteral("cmdCancel")};
    Label lblDimension{*this, QStringLiteral("lblDimension")};
    PictureBox picBack{*this, QStringLiteral("picBack")};
    PictureBox picNewBack{*this, QStringLiteral("picNewBack")};

protected:
    void Form_Load() override;

private:
    void lvCardBack_ItemClick(ListItem& item);
    void lvCardBack_ColumnClick(int column);
    void txtBackText_GotFocus();
    void cmdLoadPic_Click();
    void cmdNew_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdDefault_Click();
    void cmdSavePicture_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    void FillBackList();
    void ShowBack(qint32 id);
    void SizeToBackPicture();
    void SortBackList(int column);

    // The selected item's back, made the current row of rsBack; nothing without a selection.
    std::optional<qint32> locateSelectedBack();
    // OK, Set as default, Save picture, and Rename and Delete for a user's own back.
    void enableBackButtons(bool shown, bool custom);
    // Stores the name and pending picture as a new row; false (nothing stored) when the
    // picture file can no longer be used.
    bool addBack();
    // The dialog's size in twips, kept inside the screen's free area.
    void fitOnScreen(double width, double height);

    RecordsetPtr rsBack;
    qint32 m_edition = 0;
};

extern FormInstance<FrmCardBacks> frmCardBacks;
