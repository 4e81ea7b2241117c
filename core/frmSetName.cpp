#include "frmSetName.h"
#include "modData.h"

#include "forms/dialogs.h"

FormInstance<FrmSetName> frmSetName;

FrmSetName::FrmSetName() : Form(QStringLiteral("frmSetName")) {
    setWindowFlag(Qt::Dialog);
    setCaption(QStringLiteral("Set"));
    setWidth(4785);
    setHeight(2655);

    Label1.setCaption(QStringLiteral("&Name:"));
    Label1.Move(240, 240, 615, 255);
    txtName.Move(1200, 240, 3375, 285);
    Label2.setCaption(QStringLiteral("&Language:"));
    Label2.Move(240, 720, 975, 255);
    cboLanguage.Move(1200, 720, 3375, 315);
    Label3.setCaption(QStringLiteral("&Edition:"));
    Label3.Move(240, 1200, 975, 255);
    opt2nd.setCaption(QStringLiteral("2nd"));
    opt2nd.Move(1200, 1200, 735, 255);
    opt3rd.setCaption(QStringLiteral("3rd"));
    opt3rd.Move(1200, 1560, 735, 255);
    cmdOK.setCaption(QStringLiteral("OK"));
    cmdOK.Move(2280, 2040, 1095, 375);
    cmdCancel.setCaption(QStringLiteral("Cancel"));
    cmdCancel.Move(3480, 2040, 1095, 375);

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdOK.setDefault(true);
    cmdCancel.setCancel(true);
}

void FrmSetName::Init(const QString& sName, qint32 iLanguageID, qint16 iEdition) {
    txtName.setText(sName);
    // Typing replaces the whole name.
    SelectAllText(txtName);
    txtName.SetFocus();
    FillLanguages();
    if (iLanguageID == 0) {
        if (cboLanguage.ListCount() > 0) cboLanguage.setListIndex(0);
    } else {
        SelectComboItem(cboLanguage, iLanguageID);
    }
    if (iEdition == 3)
        opt3rd.setValue(true);
    else
        opt2nd.setValue(true);
    bOK = false;
}

void FrmSetName::cmdOK_Click() {
    // The caller needs a language to write.
    if (cboLanguage.ListIndex() < 0) return;
    if (txtName.Text().isEmpty()) {
        MsgBox(QStringLiteral("You must name the set."), vbExclamation, QStringLiteral("Set name"));
        txtName.SetFocus();
        return;
    }
    bOK = true;
    Hide();
}

void FrmSetName::cmdCancel_Click() {
    Hide();
}

void FrmSetName::FillLanguages() {
    strSQL = QStringLiteral("SELECT * FROM tblLanguage");
    const RecordsetPtr rs = GetRecordset(strSQL);
    FillCombo(cboLanguage, *rs, QStringLiteral("Language"), QStringLiteral("LanguageID"));
}
