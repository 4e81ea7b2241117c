#pragma once
// The back pictures of the reference rows: a two-colour geometric pattern inside a frame,
// computed pixel by pixel, so one design always gives the same bytes and needs no fonts.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

struct BackDesign {
    QString pattern; // stripes, checks, diamonds, rings, dots or zigzag
    QSize size;
    QColor ground;
    QColor ink;
};

// Raises 380 for an unknown pattern or an empty size.
QImage paintBack(const BackDesign& design);

// The bytes of a 24-bit BMP file of the image.
QByteArray bmpBytes(const QImage& image);
