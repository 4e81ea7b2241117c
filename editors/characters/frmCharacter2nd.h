#pragma once
// The character editor of 2nd-edition characters, offered in every set.

#include "characterfieldedits.h"

class FrmCharacter2nd : public CharacterFieldEdits {
    Q_OBJECT
};

extern FormInstance<FrmCharacter2nd> frmCharacter2nd;
