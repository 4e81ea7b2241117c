#pragma once
// The character editor of 2nd-edition characters, offered in every set.

#include "charactereditor.h"

class FrmCharacter2nd : public CharacterEditor {
    Q_OBJECT
};

extern FormInstance<FrmCharacter2nd> frmCharacter2nd;
