#pragma once
// Text measured as a picture box measures and draws it: the font at 96 dots per inch, widths
// in whole pixels. An instance is made and used on one thread, which may be any thread: the
// font's engine is that thread's own.

#include "font.h"
#include "textruler.h"

#include <QFont>
#include <QFontMetrics>
#include <QPoint>

class QPainter;

// A text and where its top-left corner stands.
struct PlacedText {
    QString text;
    double x, y;
    bool operator==(const PlacedText&) const = default;
};

class TextMetrics {
public:
    explicit TextMetrics(const ::Font& font);

    const ::Font& font() const { return m_font; }
    const QFont& qFont() const { return m_qFont; }
    const QFontMetrics& metrics() const { return m_metrics; }
    int widthInPixels(const QString& text) const { return m_metrics.horizontalAdvance(text); }
    // The text's character boundaries, in the units of which a pixel holds unitsPerPixel.
    TextRuler ruler(const QString& text, double unitsPerPixel) const;
    // Draws the text with its top-left corner at the pixel, in the painter's pen, without
    // filling behind it: picture boxes and labels draw every text of the program so. The
    // painter's font must be qFont().
    void draw(QPainter& painter, QPoint topLeft, const QString& text) const;

private:
    ::Font m_font;
    QFont m_qFont;
    QFontMetrics m_metrics;
};
