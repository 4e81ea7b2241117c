#pragma once
// A program folder with one open set, for the character editor's tests. The editor is
// unloaded when a test ends, so that each test loads it afresh.

#include "editorfixture.h"
#include "frmCharacter2nd.h"
#include "platform/forms/qstringprinter.h"
#include "testrows.h"

class CharacterFixture : public EditorFixture {
protected:
    ~CharacterFixture() override;

    FrmCharacter2nd& editor() { return frmCharacter2nd.get(); }
    // Adds a character of the open set with a new character's values, changed by `fields`.
    qint32 insertCharacter(int nr, const FieldValues& fields = {});
    Variant characterField(qint32 characterID, const QString& field) const;
    // Nr and Name of the open set's characters, in Nr order.
    std::vector<std::pair<int, QString>> characters() const;
};
