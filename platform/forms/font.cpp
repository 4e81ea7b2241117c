#include "font.h"
#include "runtime/conversions.h"

#include <algorithm>
#include <array>

namespace {
struct InstalledFace {
    const char* face; // as the program and its database name it
    const char* family;
};

// The faces the program names, each drawn with a free font that the setup installs, so
// that the same input gives the same picture on every machine.
constexpr std::array<InstalledFace, 6> kFaces{{
    {"Small Fonts", "DejaVu Sans Condensed"},
    {"CasablancaAntique", "Linux Libertine O"},
    // The windows' face: of the installed sans faces of ordinary width, the one narrow
    // enough that every caption fits the control the window gives it.
    {"MS Sans Serif", "Linux Biolinum O"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

// Any other face goes to fontconfig as the user typed it.
QString installedFamily(const QString& face) {
    const QString trimmed = face.trimmed();
    for (const InstalledFace& entry : kFaces) {
        if (trimmed.compare(QLatin1String(entry.face), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.family);
    }
    return face;
}
} // namespace

QFont toQFont(const Font& font) {
    QFont result(installedFamily(font.Name));
    result.setPixelSize(std::max(1, int(roundHalfEven(font.Size * 96.0 / 72.0))));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    // Grey-level antialiasing with full hinting: legible at 7 to 9 pixels.
    result.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}
