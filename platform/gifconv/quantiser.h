#pragma once
// Reduces a picture to a palette of at most 256 colours for a GIF file.
// A picture of at most 256 colours keeps them all exactly. Otherwise the flat colours, those that
// stand in runs of equal neighbours (paper, outlines, filled areas, the cores of letters), each get
// an entry of their own, pure white first, and keep their pixels exact. Only the other pixels are
// approximated, with a palette cut from their own colours and Floyd-Steinberg dithering whose error
// never reaches a pixel of a flat colour, so flat areas carry no specks.

#include <QImage>
#include <cstdint>
#include <memory>
#include <vector>

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices; // one per pixel, rows top-down
    std::vector<QRgb> palette;         // at most 256 entries
};

class Quantiser {
public:
    Quantiser();
    ~Quantiser();
    Quantiser(const Quantiser&) = delete;
    Quantiser& operator=(const Quantiser&) = delete;

    // The result stays valid until the next call. The work memory is kept for the next picture:
    // a batch of cards does not pay for it at every card.
    const IndexedImage& quantise(const QImage& picture);

private:
    struct Work;
    std::unique_ptr<Work> m_work;
};
