#pragma once
// The program's main window.

#include "forms/form.h"
#include "forms/forminstance.h"

class FrmMaster : public Form {
    Q_OBJECT
public:
    FrmMaster();
};

extern FormInstance<FrmMaster> frmMaster;
