#pragma once
// One layout of a one-line text, read in a picture box's scale: where each boundary between
// characters stands, and which boundary lies nearest to a position. Far cheaper than
// measuring each leading part of the text on its own, but a part measured alone can differ
// by the kerning across its end.

#include <QString>
#include <QTextLayout>
#include <memory>

class QFont;
class QPaintDevice;

class TextRuler {
public:
    TextRuler(const QString& text, const QFont& font, const QPaintDevice* device, double unitsPerPixel);

    // Where the boundary after the first n characters stands, in whole pixels as text is measured.
    double x(qsizetype n) const;
    // The boundary nearest to x.
    qsizetype boundaryNear(double x) const;

private:
    std::shared_ptr<QTextLayout> m_layout; // shared, so a ruler can be copied into a function
    QTextLine m_line;
    double m_unitsPerPixel;
};
