#pragma once
// The card-type dialog: the types of the open set's language, with their corner texts shown
// on a sample card. The user chooses one, adds, deletes and scopes user types, and makes a
// type the set's default; every change is stored at once. The caller shows it modally,
// reads bOK and CardTypeID once it is hidden, and unloads it.

#include "db/connection.h"
#include "forms/forms.h"

#include <deque>

class FrmCardType : public Form {
    Q_OBJECT
public:
    FrmCardType();

    bool bOK = false;
    qint32 CardTypeID = 0; // the type last clicked; 0 when none is (or it was deleted)

    ListView lvType{*this, QStringLiteral("lvType")};

    // The sample card.
    PictureBox picCard{*this, QStringLiteral("picCard")};
    PictureBox picFrame{picCard, QStringLiteral("picFrame")};
    PictureBox picArtistDest{picCard, QStringLiteral("picArtistDest")};
    Label lblTitle{picCard, QStringLiteral("lblTitle")};
    Label lblBold{picCard, QStringLiteral("lblBold")};
    std::deque<Label> lblType; // 0 upper left, 1 upper right, 2 lower left, 3 lower right
    Label lblNumber{picCard, QStringLiteral("lblNumber")};

    CommandButton cmdDelete{*this, QStringLiteral("cmdDelete")};
    CommandButton cmdSet{*this, QStringLiteral("cmdSet")};
    CommandButton cmdDefault{*this, QStringLiteral("cmdDefault")};

    Frame Frame1{*this, QStringLiteral("Frame1")};
    Label lblUL{Frame1, QStringLiteral("lblUL")};
    TextBox txtUL{Frame1, QStringLiteral("txtUL")};
    Label lblUR{Frame1, QStringLiteral("lblUR")};
    TextBox txtUR{Frame1, QStringLiteral("txtUR")};
    Label lblLL{Frame1, QStringLiteral("lblLL")};
    TextBox txtLL{Frame1, QStringLiteral("txtLL")};
    Label lblLR{Frame1, QStringLiteral("lblLR")};
    TextBox txtLR{Frame1, QStringLiteral("txtLR")};
    Label lblNr{Frame1, QStringLiteral("lblNr")};
    TextBox txtNr{Frame1, QStringLiteral("txtNr")};
    OptionButton optGlobal{Frame1, QStringLiteral("optGlobal")};
    OptionButton optUsedInSet{Frame1, QStringLiteral("optUsedInSet")};
    CommandButton cmdNew{Frame1, QStringLiteral("cmdNew")};

    CommandButton cmdOK{*this, QStringLiteral("cmdOK")};
    CommandButton cmdCancel{*this, QStringLiteral("cmdCancel")};

protected:
    void Form_Load() override;

private:
    void placeSampleCard();
    void placeNewTypeFields();
    void connectHandlers();

    void lvType_ItemClick(ListItem& item);
    void lvType_ColumnClick(int column);
    void cmdNew_Click();
    void cmdDelete_Click();
    void cmdSet_Click();
    void cmdDefault_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    void FillTypeList();
    void ShowTypePreview(const QString& UL, const QString& LL, const QString& UR, const QString& LR,
                         const QString& Nr);
    void PreviewFromTextBoxes();
    void SortTypeList(int column);
    // Nothing is selected any more: only Add New and Cancel act.
    void disableSelectionButtons();

    RecordsetPtr rsType;
};

extern FormInstance<FrmCardType> frmCardType;
