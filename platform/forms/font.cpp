#include "font.h"
#include "runtime/conversions.h"

#include <algorithm>

QFont toQFont(const Font& font) {
    QFont result(font.Name);
    result.setPixelSize(std::max(1, int(roundHalfEven(font.Size * 96.0 / 72.0))));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    return result;
}
