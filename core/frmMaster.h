#pragma once
// The program's main window: the toolbar that shows and hides the card editors, the set
// panel that chooses, creates, edits and deletes the open set and holds its autonumber
// option and symbol, and the MDI area in which the editors live.

#include "db/connection.h"
#include "forms/checkbox.h"
#include "forms/combobox.h"
#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/label.h"
#include "forms/mdiarea.h"
#include "forms/picturebox.h"
#include "forms/toolbar.h"

#include <functional>
#include <optional>

class FrmMaster : public Form {
    Q_OBJECT
public:
    FrmMaster();

    void InitialiseSet();
    void SetChange();
    // Sets the pressed state of the named editor's toolbar button; other names change nothing.
    void FixButton(const QString& Who, qint16 ValueState);

    Toolbar tbar{*this, QStringLiteral("tbar")};
    PictureBox picSet{*this, QStringLiteral("picSet")};
    Label Label1{picSet, QStringLiteral("Label1")};
    ComboBox cboSet{picSet, QStringLiteral("cboSet")};
    CommandButton cmdNew{picSet, QStringLiteral("cmdNew")};
    CommandButton cmdEdit{picSet, QStringLiteral("cmdEdit")};
    CommandButton cmdDelete{picSet, QStringLiteral("cmdDelete")};
    PictureBox ptSet{picSet, QStringLiteral("ptSet")};
    CheckBox chkAutonumber{ptSet, QStringLiteral("chkAutonumber")};
    Label Label11{ptSet, QStringLiteral("Label11")};
    CommandButton cmdSymbolAdd{ptSet, QStringLiteral("cmdSymbolAdd")};
    CommandButton cmdSymbolDel{ptSet, QStringLiteral("cmdSymbolDel")};
    PictureBox picSetSymbol{ptSet, QStringLiteral("picSetSymbol")};
    MdiArea mdiArea{*this, QStringLiteral("mdiArea")};

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct SetChoice {
        QString name;
        qint32 languageID = 0;
        qint16 editionID = 0;
    };

    // The open set as the editors show it: its keys and the lookups of its edition and language.
    struct ShownSet {
        qint32 setID = 0;
        qint16 editionID = 0;
        qint16 languageID = 0;
        RecordsetPtr cardTypes, cardBacks, characterBacks, areas, alignments;
    };

    void cboSet_Click();
    void backToShownSet(const ShownSet& shown);
    void readSetKeys();
    bool closeOtherEditionsSmallCard();
    Form& smallCardEditor();
    void ShowSetDetails();
    void showSetOptions(); // the open set's autonumber and symbol, as stored
    void UpdateEditorDisplays();
    void chkAutonumber_Click();
    void cmdSymbolAdd_Click();
    void cmdSymbolDel_Click();
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void tbar_ButtonClick(const ToolbarButton& Button);
    void ExportToText();
    void LoadWindowPosition();
    void SaveWindowPosition();

    bool findOpenSet();
    void updateSetRow(const std::function<void()>& write);
    std::optional<SetChoice> askForSet(const QString& name, qint32 languageID, qint16 editionID);
    void writeSetChoice(const SetChoice& choice);
    void addSet(const SetChoice& choice);
    void arrangeAlignedControls();

    bool bLoading = false;
};

extern FormInstance<FrmMaster> frmMaster;
