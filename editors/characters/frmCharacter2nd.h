#pragma once
// The character editor of 2nd-edition characters, offered in every set.

#include "characterplacement.h"

class FrmCharacter2nd : public CharacterPlacement {
    Q_OBJECT
};

extern FormInstance<FrmCharacter2nd> frmCharacter2nd;
