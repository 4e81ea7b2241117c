#pragma once
// Small GIF, BMP and metafile pictures built byte by byte for the loader's tests (Qt writes no GIF
// or metafile, and only bottom-up BMPs with the 40-byte header).

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

// A GIF of an image with at most four colours; pixels of the transparent colour, if given, are
// transparent.
QByteArray gifBytes(const QImage& image, std::optional<QRgb> transparent = {});

// A BMP of 24 or 32 bits a pixel with an information header of the given size (40, 108 or 124),
// its rows stored bottom-up or, with a negative height, top-down.
QByteArray bmpBytes(const QImage& image, quint32 headerSize = 40, bool topDown = false,
                    int bitsPerPixel = 24);

// A run-length coded BMP of 4 or 8 bits a pixel of an image with at most 16 colours, whose header
// declares the given size (by default the image's).
QByteArray rleBmpBytes(const QImage& image, int bitsPerPixel, QSize declared = {});

struct WmfFill {
    QRect twips;
    qint32 bgr;
};

// A metafile that fills rectangles without outline in a window of the given size, placeable (1440
// units per inch) or with the standard header only.
QByteArray wmfBytes(QSize twips, const QList<WmfFill>& fills, bool placeable = true);

// One metafile record: its function number and its parameters as 16-bit words.
struct WmfRecord {
    int function;
    QList<int> parameters;
};

// A metafile of the given records after the window's origin and extent, placeable with the given
// units per inch or, with 0, with the standard header only; objects is the size of its object table.
QByteArray wmfWithRecords(QSize twips, const QList<WmfRecord>& records, int unitsPerInch = 1440,
                          int objects = 1);
