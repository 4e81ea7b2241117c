#pragma once
// A control's font as the program sets it: face name, size in points, bold, italic.

#include <QFont>
#include <QString>

struct Font {
    QString Name = QStringLiteral("MS Sans Serif");
    double Size = 8.25;
    bool Bold = false;
    bool Italic = false;

    bool operator==(const Font&) const = default;
};

// The Qt font that draws it. The program's face names map to installed free fonts ("Small
// Fonts" to DejaVu Sans Condensed, "CasablancaAntique" to Linux Libertine O, "MS Sans Serif"
// to Linux Biolinum O, "Arial", "Times New Roman" and "Courier New" to Liberation Sans, Serif
// and Mono); any other face is left to fontconfig. The pixel size is round(points x 96 / 72),
// halves to even, never left to the screen. Text is antialiased in grey levels, fully hinted.
QFont toQFont(const Font& font);
