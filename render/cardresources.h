#pragma once
// The renderer's built-in pictures, made by the program itself: the white field laid under
// every card picture, the template of a character card face and the default large-card back.

#include "runtime/picture.h"

#include <QRect>

Picture whiteFieldPicture();        // 16 x 16, white
Picture characterTemplatePicture(); // 302 x 254
Picture largeCardBackPicture();     // 304 x 256

// Where the character template is white: the character editor lays its background box there,
// so the card's black texts stand on white with or without a background picture. The band
// around it is dark, under the white name and the OBJECTS and FOLLOWERS titles.
inline constexpr QRect kCharacterTemplateField(13, 13, 276, 228);
