#include "frmCharacter2nd.h"

FormInstance<FrmCharacter2nd> frmCharacter2nd;
