#pragma once
// Reduces a picture to a palette of at most 256 colours for a GIF file.
// A picture of at most 256 colours keeps them all exactly. Otherwise the colours the caller names
// exact take entries of their own first, however few pixels they have, then pure white, then the
// flat colours, those that stand in runs of equal neighbours (paper, outlines, filled areas), the
// most settled first, up to 160 entries in all. Pixels of those colours stay exact. The other
// pixels, flat colours past that room among them, are approximated with a palette cut from their
// own colours and Floyd-Steinberg dithering whose error never reaches a pixel that stays exact, so
// exact areas carry no specks.

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
    // `exact` names colours as 0xRRGGBB (alpha ignored) whose pixels stay exact whatever else
    // the picture holds, up to 160 of those it holds; one it does not hold takes no entry.
    const IndexedImage& quantise(const QImage& picture, const std::vector<QRgb>& exact = {});

private:
    struct Work;
    std::unique_ptr<Work> m_work;
};
