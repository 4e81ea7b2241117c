#pragma once
// The four attributes of a character: their fields, printed names, colours and the turn of
// their boxes on the card, and the painting of one attribute box.

#include <QString>
#include <QtGlobal>

#include <array>

class PictureBox;

struct CharacterAttribute {
    const char* field;
    const char* name;    // printed in the box
    qint32 colour;       // &HBBGGRR
    bool clockwise;      // clockwise reads top to bottom
    const char* initial; // the combo's text before a character is shown
};

// Indexed like cboCharAttr and picCharAttrDisp: Strength, Craft, Gold, Lives.
extern const std::array<CharacterAttribute, 4> kCharacterAttributes;

// The text of an attribute box: the name alone for "---", the name and a "+" value
// together, any other value after a blank.
QString attributeText(int index, const QString& value);

// Prints the attribute centred on the renderer's scratch box and turns it into `box`.
void drawAttributeBox(PictureBox& box, int index, const QString& value);
