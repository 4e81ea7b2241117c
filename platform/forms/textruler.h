#pragma once
// Where the boundaries between the characters of a one-line text stand, read in a picture
// box's scale, each character taken at its own advance in the font: far cheaper than
// measuring each leading part of the text on its own, but kerning and shaping are left out,
// so a part measured on its own can differ.

#include <QString>
#include <vector>

class QFontMetricsF;

class TextRuler {
public:
    TextRuler(const QString& text, const QFontMetricsF& metrics, double unitsPerPixel);

    // Where the boundary after the first n characters stands, in whole pixels as text is measured.
    double x(qsizetype n) const;
    // The boundary nearest to x.
    qsizetype boundaryNear(double x) const;

private:
    std::vector<double> m_pixels; // of each boundary, from 0 before the first character
    double m_unitsPerPixel;
};
