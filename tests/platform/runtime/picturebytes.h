#pragma once
// Small GIF and metafile pictures built byte by byte for the loader's tests (Qt writes neither).

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

// A GIF of an image with at most four colours; pixels of the transparent colour, if given, are
// transparent.
QByteArray gifBytes(const QImage& image, std::optional<QRgb> transparent = {});

struct WmfFill {
    QRect twips;
    qint32 bgr;
};

// A metafile that fills rectangles without outline in a window of the given size, placeable (1440
// units per inch) or with the standard header only.
QByteArray wmfBytes(QSize twips, const QList<WmfFill>& fills, bool placeable = true);
