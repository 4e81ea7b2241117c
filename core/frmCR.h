#pragma once
// The start's question whether to compact the database now. The caller shows it modally and
// reads Answer: 1 Yes, 2 No, 3 Remind me later; 0 when it was closed by its close box, which
// unloads it. A button only hides it.

#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/label.h"

class FrmCR : public Form {
    Q_OBJECT
public:
    FrmCR();

    qint16 Answer = 0;

    Label Label1{*this, QStringLiteral("Label1")};
    Label Label2{*this, QStringLiteral("Label2")};
    CommandButton cmdYes{*this, QStringLiteral("cmdYes")};
    CommandButton cmdNo{*this, QStringLiteral("cmdNo")};
    CommandButton cmdLater{*this, QStringLiteral("cmdLater")};

private:
    void cmdYes_Click();
    void cmdNo_Click();
    void cmdLater_Click();
};

extern FormInstance<FrmCR> frmCR;
