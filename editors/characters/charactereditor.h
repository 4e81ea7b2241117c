#pragma once
// The characters of the open set in the shared rsCharacter, the lookup and attribute
// lists, showing a character (its layout on the preview, then its fields in the edit
// controls), navigation, adding and deleting characters.
//
// The editor remembers the key of the character it shows and puts rsCharacter back on it
// before it writes: the batch may have moved the shared recordset meanwhile.

#include "characterwindow.h"

#include "shownrecord.h"

#include <functional>
#include <optional>

class CharacterEditor : public CharacterWindow {
    Q_OBJECT
public:
    // Opens the set's characters, fills the lists and shows the first character.
    void Initialise();
    // Shows the shown character again, so that changed set options reach the preview.
    void UpdateDisplay();
    // Lays the current character of rsCharacter out on the preview controls.
    // False when another program's lock ended it (and was reported).
    bool DrawCharacter();
    // Shows or hides the picture frame and lays the text column out beside it.
    void ShowPictureCharacter();

    // 0 first, 1 previous, 2 next, 3 last; -1 shows the current character again.
    void cmdCharNav_Click(int Index);
    void cmdCharacterAdd_Click();
    // Deletes the shown character, renumbers its followers and shows the one in its place.
    void cmdCharacterDelete_Click();

    // Puts rsCharacter on the shown character, lets `assign` set its fields and updates
    // it, all or nothing: an error cancels the edit, the edit controls show the character as
    // stored again, and the error, saying that the change was not saved, goes on to the caller.
    void editShownCharacter(const std::function<void(Recordset&)>& assign);

    // The key of the character shown, 0 for none.
    qint32 shownCharacterID() const { return m_shown.id(); }

    // Paints attribute Index (0 to 3) with its value on its turned box of the card.
    void DrawAttributeValue(qint16 Index, const QString& Value);

    // The right edge of the text column beside the picture frame, in the background box.
    static constexpr double kColumnRight = 272;

protected:
    CharacterEditor();

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    // rsCharacter on the shown character, for reading its fields; raises 3021 when it is gone.
    Recordset& shownCharacter() { return m_shown.row(); }

    // The text column's labels from the width handle's right edge to kColumnRight.
    void layOutTextColumn();
    // The card's labels show their texts in the set's fonts, as they are printed.
    void showSetFonts();
    // The frame's border and height from the character's UseFrame.
    void showFrameOption(bool useFrame);
    // The picture frame's size in pixels, in its caption.
    void showFrameSize();
    // The character's PicWidth, held within the card.
    double storedFrameWidth(Recordset& character) const;
    // Puts a picture at the character's offsets in its frame, held where it just leaves the room.
    static void placeStoredImage(PictureBox& image, const PictureBox& room, Recordset& character,
                                 const char* topField, const char* leftField);
    // The start area's text for the character, with its board when the character asks.
    QString startAreaText(Recordset& character) const;
    // The picture of a character back of the lists, or no picture for a back they lack.
    void showCharacterBack(qint64 characterBackID);

    bool bLoading = false;

private:
    struct NewCharacterDefaults {
        qint32 startingAreaID = 0;
        qint32 alignmentID = 0;
        qint32 characterBackID = 0;
    };

    void OpenCharacterRecordset();
    void FillAlignmentCombo();
    void FillStartAreaCombo();
    void FillCardBackCombo();
    void FillAttributeCombos();
    void EnableCharacterControls(bool b);
    void ShowCharacterFields();
    void SetNewCharacterDefaults(const NewCharacterDefaults& defaults, qint16 nr);

    // Fills a lookup combo from the query of the open set's language, each item's text made
    // from its row, and hands its rows back; empties it when the set has no lists.
    RecordsetPtr fillLookup(ComboBox& combo, const QString& select,
                            const std::function<QString(Recordset&)>& text, const QString& idField);
    static std::function<QString(Recordset&)> fieldText(const QString& field);
    std::optional<NewCharacterDefaults> newCharacterDefaults();
    // What the shown record needs of this editor to show its characters.
    RecordView recordView();

    ShownRecord m_shown;
    // The 2nd-edition start areas and character backs of the set's language, as the lists
    // hold them; empty while no set is open.
    RecordsetPtr m_startAreas;
    RecordsetPtr m_characterBacks;
};
