#pragma once
// The character editor of 2nd-edition characters, offered in every set.

#include "characterpictures.h"

class FrmCharacter2nd : public CharacterPictures {
    Q_OBJECT
};

extern FormInstance<FrmCharacter2nd> frmCharacter2nd;
