#include "frmLarge2nd.h"

FormInstance<FrmLarge2nd> frmLarge2nd;
