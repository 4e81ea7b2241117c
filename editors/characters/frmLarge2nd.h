#pragma once
// The editor of 2nd-edition large cards, offered in every set.

#include "largecardpictures.h"

class FrmLarge2nd : public LargeCardPictures {
    Q_OBJECT
};

extern FormInstance<FrmLarge2nd> frmLarge2nd;
