#include "characterattributes.h"

#include "frmCard.h"

const std::array<CharacterAttribute, 4> kCharacterAttributes{{
    {"Strength", "STRENGTH", 0x101FFF, true, "3"},
    {"Craft", "CRAFT", 0xF0BF00, true, "3"},
    {"Gold", "GOLD", 0x0FB0FF, false, "1"},
    {"Lives", "LIVES", 0x00B700, false, "4"},
}};

QString attributeText(int index, const QString& value) {
    QString name = QString::fromLatin1(kCharacterAttributes[size_t(index)].name);
    if (value == QStringLiteral("---")) return name;
    if (!value.startsWith(QLatin1Char('+'))) name += QLatin1Char(' ');
    return name + value;
}

void drawAttributeBox(PictureBox& box, int index, const QString& value) {
    const CharacterAttribute& attribute = kCharacterAttributes[size_t(index)];
    PictureBox& scratch = frmCard->picCharAttribute;
    scratch.setPicture(Picture());
    scratch.setForeColor(attribute.colour);
    const QString text = attributeText(index, value);
    // The box measures its drawing in twips, its size in pixels.
    const double tx = twipsPerPixel, ty = twipsPerPixel;
    scratch.setCurrentX((scratch.Width() / 2.0 - scratch.TextWidth(text) / tx / 2.0) * tx);
    scratch.setCurrentY((scratch.Height() / 2.0 - scratch.TextHeight(text) / ty / 2.0) * ty);
    scratch.Print(text);
    scratch.setPicture(scratch.Image());
    RotatePicture(scratch, box, attribute.clockwise);
}
