#pragma once
// The field edits of the character editor: each edit control writes its field of the shown
// character at once and refreshes only what that field drives on the preview. Nothing is
// written while a character is being shown (bLoading).

#include "charactereditor.h"

class CharacterFieldEdits : public CharacterEditor {
    Q_OBJECT
protected:
    CharacterFieldEdits();

private:
    void txtCharName_Change();
    void txtCharName_GotFocus();
    void txtSpecialAbilities_Change();
    void cboAlignment_Click();
    void cboStartArea_Click();
    void chkIncludeBoard_Click();
    void cboCharacterCardback_Click();
    void cboCharAttr_Change(qint16 Index);
    void cboCharAttr_Click(qint16 Index);
    void chkFrameCharacter_Click();
    void chkShowPictureCharacter_Click();

    void writeCharacterField(const QString& field, const Variant& value);
    // The start area with its board when the shown character asks for it.
    void showStartArea();
};
