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

// The pixel size is round(points x 96 / 72), halves to even, never left to the screen.
QFont toQFont(const Font& font);
