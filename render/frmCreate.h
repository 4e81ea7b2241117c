#pragma once
// The "Create Cards" dialog: the open set's output options, each stored in the set row the
// moment it changes, and the batch that renumbers, composes and saves every card of the
// chosen kinds.

#include "db/connection.h"
#include "forms/checkbox.h"
#include "forms/combobox.h"
#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/textbox.h"
#include "runtime/variant.h"

#include <functional>

class FrmCard;
class LockWait;
class SmallCardEditor;

class FrmCreate : public Form {
    Q_OBJECT
public:
    FrmCreate();

    void CreateAllCards(bool Card2nd, bool Character2nd, bool LargeCard2nd, bool Card3rd, bool Character3rd,
                        bool LargeCard3rd);

    Frame fraInfo{*this, QStringLiteral("fraInfo")};
    Label Label14{fraInfo, QStringLiteral("Label14")};
    TextBox txtSaveTo{fraInfo, QStringLiteral("txtSaveTo")};
    CommandButton cmdSaveTo{fraInfo, QStringLiteral("cmdSaveTo")};
    Label Label13{fraInfo, QStringLiteral("Label13")};
    TextBox txtFilenamePrefix{fraInfo, QStringLiteral("txtFilenamePrefix")};
    CheckBox chkFileNr{fraInfo, QStringLiteral("chkFileNr")};
    CheckBox chkNoBack{fraInfo, QStringLiteral("chkNoBack")};
    CheckBox chkReplaceSpace{fraInfo, QStringLiteral("chkReplaceSpace")};
    Label Label15{fraInfo, QStringLiteral("Label15")};
    ComboBox cboSaveFormat{fraInfo, QStringLiteral("cboSaveFormat")};
    Frame fraCreate{*this, QStringLiteral("fraCreate")};
    Label lblEdition{fraCreate, QStringLiteral("lblEdition")};
    CheckBox chk2ndCard{fraCreate, QStringLiteral("chk2ndCard")};
    CheckBox chk2ndChar{fraCreate, QStringLiteral("chk2ndChar")};
    CheckBox chk2ndLarge{fraCreate, QStringLiteral("chk2ndLarge")};
    CommandButton cmdCreate{*this, QStringLiteral("cmdCreate")};
    CommandButton cmdDone{*this, QStringLiteral("cmdDone")};
    Label lblNr2ndCards{fraCreate, QStringLiteral("lblNr2ndCards")};
    Label lblNr2ndChar{fraCreate, QStringLiteral("lblNr2ndChar")};
    Label lblNr2ndLarge{fraCreate, QStringLiteral("lblNr2ndLarge")};

protected:
    void Form_Load() override;

private:
    void FillSaveFormats();
    void ShowCreateSettings();
    void EnableCardKinds();
    void cmdSaveTo_Click();
    void cmdCreate_Click();
    // Whether the output folder can take the batch's files (tried by making a file there), with
    // a message naming the folder when it cannot; the temporaries that a killed batch left
    // there go.
    bool prepareOutputFolder();
    // The batch's closing message, with the files that cards shared, if any.
    static QString withSharedFileNames(const QString& message);
    // Writes one option into the open set's row; a write that fails is cancelled and the
    // options show what is stored again.
    void storeOption(const QString& field, const Variant& value);
    // What the batch walks for one kind of card.
    struct CardKind {
        RecordsetPtr& records;
        Label& counter;  // the dialog's count of the kind
        Label& position; // the editor's position label
        // The editor lays the current record out, the renderer composes and saves it.
        std::function<void()> drawComposeAndSave;
    };
    void createSmallCards(SmallCardEditor& editor, void (FrmCard::*compose)(), void (FrmCard::*save)());
    // Renumbers and saves every record of the kind; the database writes of the walk are
    // committed together.
    void createCards(const CardKind& kind);
    // The walk itself.
    void renumberAndSave(const CardKind& kind);

    bool bLoading = false;
    // Whether the batch has drawn a card into an editor, and so begun writing files.
    bool m_cardsDrawn = false;
    // While a batch runs: its wait for another program's lock on the database.
    const LockWait* m_lockWait = nullptr;
};

extern FormInstance<FrmCreate> frmCreate;
