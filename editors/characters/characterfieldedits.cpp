#include "characterfieldedits.h"
#include "characterattributes.h"

#include "modData.h"
#include "modPicture.h"
#include "rowlookup.h"

CharacterFieldEdits::CharacterFieldEdits() {
    txtCharName.Change = [this] { txtCharName_Change(); };
    txtCharName.GotFocus = [this] { txtCharName_GotFocus(); };
    txtSpecialAbilities.Change = [this] { txtSpecialAbilities_Change(); };
    cboAlignment.Click = [this] { cboAlignment_Click(); };
    cboStartArea.Click = [this] { cboStartArea_Click(); };
    chkIncludeBoard.Click = [this] { chkIncludeBoard_Click(); };
    cboCharacterCardback.Click = [this] { cboCharacterCardback_Click(); };
    for (qint16 i = 0; i < qint16(cboCharAttr.size()); ++i) {
        cboCharAttr[size_t(i)].Change = [this, i] { cboCharAttr_Change(i); };
        cboCharAttr[size_t(i)].Click = [this, i] { cboCharAttr_Click(i); };
    }
    chkFrameCharacter.Click = [this] { chkFrameCharacter_Click(); };
    chkShowPictureCharacter.Click = [this] { chkShowPictureCharacter_Click(); };
}

void CharacterFieldEdits::writeCharacterField(const QString& field, const Variant& value) {
    editShownCharacter([&](Recordset& character) { character.field(field) = value; });
}

void CharacterFieldEdits::txtCharName_Change() {
    if (bLoading) return;
    const QString name = txtCharName.Text();
    writeCharacterField(QStringLiteral("Name"), name);
    lblCharacter.setCaption(name);
    lblPlayingPieceName.setCaption(name);
}

void CharacterFieldEdits::txtCharName_GotFocus() {
    SelectAllText(txtCharName);
}

void CharacterFieldEdits::txtSpecialAbilities_Change() {
    if (bLoading) return;
    writeCharacterField(QStringLiteral("Abilities"), txtSpecialAbilities.Text());
    lblSpecial.setCaption(txtSpecialAbilities.Text());
}

void CharacterFieldEdits::cboAlignment_Click() {
    if (bLoading || cboAlignment.ListIndex() < 0) return;
    const qint32 alignmentID = qint32(cboAlignment.ItemData(cboAlignment.ListIndex()));
    writeCharacterField(QStringLiteral("AlignmentID"), qint64(alignmentID));
    lblAlignment.setCaption(GetAlignmentText(alignmentID));
}

void CharacterFieldEdits::cboStartArea_Click() {
    if (bLoading || cboStartArea.ListIndex() < 0) return;
    writeCharacterField(QStringLiteral("StartingAreaID"), cboStartArea.ItemData(cboStartArea.ListIndex()));
    showStartArea();
}

void CharacterFieldEdits::chkIncludeBoard_Click() {
    if (bLoading) return;
    writeCharacterField(QStringLiteral("IncludeBoard"), Variant(chkIncludeBoard.Value() == vbChecked));
    showStartArea();
}

void CharacterFieldEdits::showStartArea() {
    lblStart.setCaption(startAreaText(shownCharacter()));
}

void CharacterFieldEdits::cboCharacterCardback_Click() {
    if (bLoading || cboCharacterCardback.ListIndex() < 0) return;
    const qint64 backID = cboCharacterCardback.ItemData(cboCharacterCardback.ListIndex());
    writeCharacterField(QStringLiteral("CharacterBackID"), backID);
    showCharacterBack(backID);
}

// Drawn once stored, so that a refused value never shows on the card.
void CharacterFieldEdits::cboCharAttr_Change(qint16 Index) {
    if (bLoading) return;
    const QString value = cboCharAttr[size_t(Index)].Text();
    writeCharacterField(QString::fromLatin1(kCharacterAttributes[size_t(Index)].field), value);
    DrawAttributeValue(Index, value);
}

void CharacterFieldEdits::cboCharAttr_Click(qint16 Index) {
    cboCharAttr_Change(Index);
}

// A character being shown writes nothing: its layout has already drawn both options.
void CharacterFieldEdits::chkFrameCharacter_Click() {
    if (bLoading) return;
    const bool frame = chkFrameCharacter.Value() == vbChecked;
    writeCharacterField(QStringLiteral("UseFrame"), Variant(frame));
    picFrameCharacter.setBorderStyle(frame ? vbFixedSingle : vbBSNone);
}

void CharacterFieldEdits::chkShowPictureCharacter_Click() {
    if (bLoading) return;
    const bool show = chkShowPictureCharacter.Value() == vbChecked;
    writeCharacterField(QStringLiteral("UsePicture"), Variant(show));
    ShowPictureCharacter();
}
