#pragma once
// The set dialog: the name, language and edition of a new or edited set. The caller
// calls Init, shows it modally, reads bOK and the controls, and unloads it.

#include "forms/combobox.h"
#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/label.h"
#include "forms/optionbutton.h"
#include "forms/textbox.h"

class FrmSetName : public Form {
    Q_OBJECT
public:
    FrmSetName();

    bool bOK = false;
    void Init(const QString& sName, qint32 iLanguageID, qint16 iEdition);

    Label Label1{*this, QStringLiteral("Label1")};
    TextBox txtName{*this, QStringLiteral("txtName")};
    Label Label2{*this, QStringLiteral("Label2")};
    ComboBox cboLanguage{*this, QStringLiteral("cboLanguage")};
    Label Label3{*this, QStringLiteral("Label3")};
    OptionButton opt2nd{*this, QStringLiteral("opt2nd")};
    OptionButton opt3rd{*this, QStringLiteral("opt3rd")};
    CommandButton cmdOK{*this, QStringLiteral("cmdOK")};
    CommandButton cmdCancel{*this, QStringLiteral("cmdCancel")};

private:
    void cmdOK_Click();
    void cmdCancel_Click();
    void FillLanguages();
};

extern FormInstance<FrmSetName> frmSetName;
