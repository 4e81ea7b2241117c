#pragma once
// The renderer's built-in pictures, made by the program itself: the white field laid under
// every card picture, the template of a character card face and the default large-card back.

#include "runtime/picture.h"

Picture whiteFieldPicture();        // 16 x 16, white
Picture characterTemplatePicture(); // 302 x 254
Picture largeCardBackPicture();     // 304 x 256
