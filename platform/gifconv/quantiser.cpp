#include "quantiser.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {
constexpr std::size_t kMaxColours = 256;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kColourMask = 0xFFFFFF;
constexpr std::uint32_t kNoBucket = UINT32_MAX;
// A colour with fewer pixels beside an equal neighbour than this belongs to a picture.
constexpr std::uint32_t kLeastSettled = 8;
// The flat colours take at most this many entries, so a picture keeps the rest.
constexpr std::size_t kMostFlat = 160;

using Channels = std::array<int, 3>;

Channels channelsOf(QRgb colour) {
    return {qRed(colour), qGreen(colour), qBlue(colour)};
}

int square(int value) {
    return value * value;
}

std::size_t hashed(QRgb key, int bits) {
    return (key * 2654435761u) >> (32 - bits);
}

// One distinct colour of the picture.
struct Bucket {
    QRgb colour = 0; // without alpha
    std::uint32_t pixels = 0;
    std::uint32_t settled = 0; // pixels with an equal neighbour above, below, left or right
    int flatEntry = -1;        // its own palette entry, for a flat colour
    bool exact = false;        // named exact by the caller
};

// A colour that is not flat, weighted by its pixels, for the median cut.
struct Sample {
    Channels channels;
    double pixels;
};

struct Box {
    std::size_t begin = 0, end = 0; // its samples
    double error = 0;               // summed squared distance of its pixels from the mean
    int channel = 0;                // the channel to halve
    double cut = 0;
    QRgb mean = 0;
};

// Finds the palette entry nearest a colour. The colour cube is cut into cells; a cell keeps, from
// the first time it is asked, the few entries that can be nearest to any colour inside it. The
// last answers are cached, since dithering asks for much the same colours again and again.
class NearestEntry {
public:
    void reset(const std::vector<QRgb>& palette) {
        m_entries.clear();
        for (const QRgb colour : palette)
            m_entries.push_back(channelsOf(colour));
        m_cells.assign(std::size_t(1) << (3 * kCellBits), {-1, 0});
        m_candidates.clear();
        m_cacheKeys.assign(std::size_t(1) << kCacheBits, 0);
        m_cacheEntries.resize(m_cacheKeys.size());
    }

    std::uint8_t operator()(const Channels& colour) {
        const QRgb key = QRgb(colour[0] << 16 | colour[1] << 8 | colour[2]) + 1;
        const std::size_t cached = hashed(key, kCacheBits);
        if (m_cacheKeys[cached] == key) return m_cacheEntries[cached];

        const std::size_t cell = std::size_t((colour[0] >> kShift) << (2 * kCellBits) |
                                             (colour[1] >> kShift) << kCellBits | (colour[2] >> kShift));
        if (m_cells[cell].first < 0) fill(cell);
        const auto [first, count] = m_cells[cell];
        std::uint8_t best = 0;
        int bestDistance = INT32_MAX;
        for (int i = first; i < first + count; ++i) {
            const std::uint8_t entry = m_candidates[std::size_t(i)];
            const Channels& e = m_entries[entry];
            const int distance =
                square(colour[0] - e[0]) + square(colour[1] - e[1]) + square(colour[2] - e[2]);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = entry;
            }
        }
        m_cacheKeys[cached] = key;
        m_cacheEntries[cached] = best;
        return best;
    }

private:
    static constexpr int kCellBits = 4;
    static constexpr int kShift = 8 - kCellBits;
    static constexpr int kCellSide = 1 << kShift;
    static constexpr int kCacheBits = 12;

    void fill(std::size_t cell) {
        constexpr std::size_t kCellMask = (1 << kCellBits) - 1;
        const Channels low{int(cell >> (2 * kCellBits)) << kShift,
                           int((cell >> kCellBits) & kCellMask) << kShift, int(cell & kCellMask) << kShift};
        // An entry can be nearest somewhere in the cell only if its nearest point of the cell is
        // no farther than the farthest point of the cell is from some other entry.
        std::array<int, kMaxColours> nearestPoint{};
        int bound = INT32_MAX;
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            int near = 0, far = 0;
            for (int c = 0; c < 3; ++c) {
                const int below = low[c] - m_entries[i][c];
                const int above = m_entries[i][c] - (low[c] + kCellSide - 1);
                near += square(std::max({0, below, above}));
                far += square(std::max(std::abs(below), std::abs(above)));
            }
            nearestPoint[i] = near;
            bound = std::min(bound, far);
        }
        m_cells[cell] = {int(m_candidates.size()), 0};
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (nearestPoint[i] <= bound) {
                m_candidates.push_back(std::uint8_t(i));
                ++m_cells[cell].second;
            }
    }

    std::vector<Channels> m_entries;
    std::vector<std::pair<int, int>> m_cells; // first candidate and count; -1 until asked
    std::vector<std::uint8_t> m_candidates;
    std::vector<QRgb> m_cacheKeys; // colour plus one, 0 when free
    std::vector<std::uint8_t> m_cacheEntries;
};
} // namespace

struct Quantiser::Work {
    std::size_t slotOf(QRgb key) const;
    std::uint32_t bucketOf(QRgb colour) const;
    void count(const QImage& image);
    void reserveFlatColours(const std::vector<QRgb>& exact);
    void cutPictureColours();
    Box measure(std::size_t begin, std::size_t end) const;
    void dither(const QImage& image);

    IndexedImage indexed;
    std::vector<Bucket> buckets;
    std::vector<std::uint32_t> pixelBucket;
    std::vector<std::pair<QRgb, std::uint32_t>> table; // colour plus one (0 when free), bucket
    int tableBits = 0;
    std::vector<std::uint32_t> flat;
    std::vector<Sample> samples;
    std::vector<Box> boxes;
    std::vector<std::int16_t> flatEntry; // per pixel: the entry of its flat colour, -1 for none
    NearestEntry nearest;
    std::vector<Channels> owed, owedNext;
};

Quantiser::Quantiser() : m_work(std::make_unique<Work>()) {}
Quantiser::~Quantiser() = default;

// The slot of the table that holds the key, or the free slot where it would go.
std::size_t Quantiser::Work::slotOf(QRgb key) const {
    std::size_t slot = hashed(key, tableBits);
    while (table[slot].first != 0 && table[slot].first != key)
        slot = (slot + 1) & (table.size() - 1);
    return slot;
}

std::uint32_t Quantiser::Work::bucketOf(QRgb colour) const {
    const std::size_t slot = slotOf(colour + 1);
    return table[slot].first != 0 ? table[slot].second : kNoBucket;
}

// The distinct colours, with open addressing over a table grown to keep at least half its slots free.
void Quantiser::Work::count(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    buckets.clear();
    pixelBucket.resize(std::size_t(width) * std::size_t(height));
    tableBits = 12;
    table.assign(std::size_t(1) << tableBits, {0, 0});
    const auto addedBucketOf = [&](QRgb colour) {
        const std::size_t slot = slotOf(colour + 1);
        if (table[slot].first != 0) return table[slot].second;
        const auto bucket = std::uint32_t(buckets.size());
        buckets.push_back({colour});
        table[slot] = {colour + 1, bucket};
        if (2 * buckets.size() > table.size()) {
            table.assign(std::size_t(1) << ++tableBits, {0, 0});
            for (std::uint32_t i = 0; i < buckets.size(); ++i)
                table[slotOf(buckets[i].colour + 1)] = {buckets[i].colour + 1, i};
        }
        return bucket;
    };

    std::size_t pixel = 0;
    QRgb lastColour = 0;
    std::uint32_t lastBucket = kNoBucket;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* above = y > 0 ? reinterpret_cast<const QRgb*>(image.constScanLine(y - 1)) : nullptr;
        const auto* below =
            y + 1 < height ? reinterpret_cast<const QRgb*>(image.constScanLine(y + 1)) : nullptr;
        for (int x = 0; x < width; ++x, ++pixel) {
            const QRgb colour = row[x] & kColourMask;
            if (colour != lastColour || lastBucket == kNoBucket) {
                lastColour = colour;
                lastBucket = addedBucketOf(colour);
            }
            pixelBucket[pixel] = lastBucket;
            Bucket& bucket = buckets[lastBucket];
            ++bucket.pixels;
            const QRgb same = row[x];
            if ((x > 0 && row[x - 1] == same) || (x + 1 < width && row[x + 1] == same) ||
                (above && above[x] == same) || (below && below[x] == same))
                ++bucket.settled;
        }
    }
}

// Gives the colours that stay exact their entries: those named exact first, however few pixels
// they have (the thin strokes of small letters have few), then white, then the flat colours with
// the most settled pixels.
void Quantiser::Work::reserveFlatColours(const std::vector<QRgb>& exact) {
    for (const QRgb colour : exact)
        if (const std::uint32_t bucket = bucketOf(colour & kColourMask); bucket != kNoBucket)
            buckets[bucket].exact = true;
    flat.clear();
    for (std::uint32_t i = 0; i < buckets.size(); ++i)
        if (buckets[i].exact || buckets[i].colour == kWhite || buckets[i].settled >= kLeastSettled)
            flat.push_back(i);
    const auto rank = [&](std::uint32_t i) {
        return std::make_tuple(!buckets[i].exact, buckets[i].colour != kWhite,
                               -std::int64_t(buckets[i].settled), buckets[i].colour);
    };
    const auto kept = flat.begin() + std::ptrdiff_t(std::min(flat.size(), kMostFlat));
    std::partial_sort(flat.begin(), kept, flat.end(),
                      [&](std::uint32_t a, std::uint32_t b) { return rank(a) < rank(b); });
    for (auto i = flat.begin(); i != kept; ++i) {
        buckets[*i].flatEntry = int(indexed.palette.size());
        indexed.palette.push_back(buckets[*i].colour);
    }
}

Box Quantiser::Work::measure(std::size_t begin, std::size_t end) const {
    double pixels = 0;
    std::array<double, 3> sum{}, squares{};
    for (std::size_t i = begin; i < end; ++i) {
        pixels += samples[i].pixels;
        for (int c = 0; c < 3; ++c) {
            const double value = samples[i].channels[c];
            sum[c] += samples[i].pixels * value;
            squares[c] += samples[i].pixels * value * value;
        }
    }
    Box box{begin, end};
    double widest = -1;
    Channels mean{};
    for (int c = 0; c < 3; ++c) {
        const double spread = squares[c] - sum[c] * sum[c] / pixels;
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.channel = c;
        }
        mean[c] = int(sum[c] / pixels + 0.5);
    }
    if (end - begin < 2) box.error = 0;
    box.cut = sum[box.channel] / pixels;
    box.mean = qRgb(mean[0], mean[1], mean[2]) & kColourMask;
    return box;
}

// Median cut by variance over the colours that are not flat: the box whose pixels lie farthest
// from its mean is halved at that mean, across its widest channel, until the palette is full.
void Quantiser::Work::cutPictureColours() {
    samples.clear();
    for (const Bucket& bucket : buckets)
        if (bucket.flatEntry < 0) samples.push_back({channelsOf(bucket.colour), double(bucket.pixels)});
    if (samples.empty()) return;

    boxes.assign(1, measure(0, samples.size()));
    while (indexed.palette.size() + boxes.size() < kMaxColours) {
        const auto worst = std::max_element(boxes.begin(), boxes.end(),
                                            [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->error <= 0) break;
        const Box box = *worst;
        const auto middle = std::partition(
            samples.begin() + std::ptrdiff_t(box.begin), samples.begin() + std::ptrdiff_t(box.end),
            [&](const Sample& sample) { return sample.channels[box.channel] <= box.cut; });
        const auto split = std::size_t(middle - samples.begin());
        if (split == box.begin || split == box.end) {
            worst->error = 0;
            continue;
        }
        *worst = measure(box.begin, split);
        boxes.push_back(measure(split, box.end));
    }
    for (const Box& box : boxes)
        indexed.palette.push_back(box.mean);
}

// Floyd-Steinberg in serpentine order over the pixels that are not flat; a flat pixel takes its
// own entry and neither gives nor takes any error.
void Quantiser::Work::dither(const QImage& image) {
    flatEntry.resize(pixelBucket.size());
    std::transform(pixelBucket.begin(), pixelBucket.end(), flatEntry.begin(),
                   [&](std::uint32_t bucket) { return std::int16_t(buckets[bucket].flatEntry); });
    nearest.reset(indexed.palette);
    const int width = indexed.width;
    // The error owed to each pixel of this row and of the next, in sixteenths, with a margin each side.
    owed.assign(std::size_t(width) + 2, {});
    owedNext.resize(owed.size());
    std::size_t rowStart = 0;
    for (int y = 0; y < indexed.height; ++y, rowStart += std::size_t(width)) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const bool hasNext = y + 1 < indexed.height;
        const int step = y % 2 == 0 ? 1 : -1;
        std::fill(owedNext.begin(), owedNext.end(), Channels{});
        for (int n = 0, x = step > 0 ? 0 : width - 1; n < width; ++n, x += step) {
            const std::size_t pixel = rowStart + std::size_t(x);
            if (flatEntry[pixel] >= 0) {
                indexed.indices[pixel] = std::uint8_t(flatEntry[pixel]);
                continue;
            }
            Channels wanted = channelsOf(row[x]);
            for (int c = 0; c < 3; ++c)
                wanted[c] = std::clamp(wanted[c] + ((owed[std::size_t(x + 1)][c] + 8) >> 4), 0, 255);
            const std::uint8_t entry = nearest(wanted);
            indexed.indices[pixel] = entry;
            const Channels got = channelsOf(indexed.palette[entry]);
            // The margins take what would fall off the row; a flat pixel never reads what it is owed.
            const auto give = [&](std::vector<Channels>& owing, int column, int weight) {
                for (int c = 0; c < 3; ++c)
                    owing[std::size_t(column + 1)][c] += weight * (wanted[c] - got[c]);
            };
            give(owed, x + step, 7);
            if (!hasNext) continue;
            give(owedNext, x - step, 3);
            give(owedNext, x, 5);
            give(owedNext, x + step, 1);
        }
        std::swap(owed, owedNext);
    }
}

const IndexedImage& Quantiser::quantise(const QImage& picture, const std::vector<QRgb>& exact) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    Work& work = *m_work;
    IndexedImage& indexed = work.indexed;
    indexed.width = image.width();
    indexed.height = image.height();
    indexed.palette.clear();
    work.count(image);
    indexed.indices.resize(work.pixelBucket.size());

    if (work.buckets.size() <= kMaxColours) {
        for (const Bucket& bucket : work.buckets)
            indexed.palette.push_back(bucket.colour);
        std::transform(work.pixelBucket.begin(), work.pixelBucket.end(), indexed.indices.begin(),
                       [](std::uint32_t bucket) { return std::uint8_t(bucket); });
        return indexed;
    }
    work.reserveFlatColours(exact);
    work.cutPictureColours();
    work.dither(image);
    return indexed;
}
