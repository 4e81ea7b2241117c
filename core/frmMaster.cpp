#include "frmMaster.h"

FormInstance<FrmMaster> frmMaster;

FrmMaster::FrmMaster() : Form(QStringLiteral("frmMaster")) {
    setCaption(QStringLiteral("Quarnell Set Creator"));
}
