#pragma once
// The editor of 2nd-edition large cards, offered in every set.

#include "largecardeditor.h"

class FrmLarge2nd : public LargeCardEditor {
    Q_OBJECT
};

extern FormInstance<FrmLarge2nd> frmLarge2nd;
