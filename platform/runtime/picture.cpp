#include "picture.h"
#include "files.h"
#include "jpegreader.h"
#include "pictureformat.h"
#include "picturelimits.h"
#include "plainbmp.h"
#include "vberror.h"
#include "wmfrenderer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <deque>
#include <mutex>

namespace {
constexpr int dotsPerMeterAt96Dpi = 3780;

// Qt's BMP and GIF readers work in proportion to the bytes and the declared size, which the checks
// before them hold within the limits; Qt's own allocation limit is set to the same pixels.
QImage readByQt(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(int(PictureLimits::kMaxPixels * 4 >> 20));
    return reader.read();
}

QImage decode(const QByteArray& bytes) {
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp: {
        if (!isWholeBmp(bytes)) return {};
        QImage plain = decodePlainBmp(bytes);
        return plain.isNull() ? readByQt(bytes, "BMP") : plain;
    }
    case PictureFormat::Jpeg:
        return isWholeJpeg(bytes) ? decodeJpeg(bytes) : QImage();
    case PictureFormat::Gif:
        return isWholeGif(bytes) ? readByQt(bytes, "GIF") : QImage();
    case PictureFormat::Wmf:
        return WmfRenderer::render(bytes); // libwmf refuses a truncated metafile itself
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

// Pictures are kept opaque: a GIF's transparent colour shows white, like a metafile's background.
QImage opaque(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

// The last few pictures decoded, by their bytes: a card set shows the same back or frame picture
// card after card, and decoding is the dearest step of showing one. Same bytes, same picture.
// A picture found moves to the front, so that the cards' own pictures do not push it out.
class RecentPictures {
public:
    const Picture* find(const QByteArray& bytes) {
        for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
            if (entry->first != bytes) continue;
            if (entry != m_entries.begin()) {
                auto found = std::move(*entry);
                m_entries.erase(entry);
                m_entries.push_front(std::move(found));
            }
            return &m_entries.front().second;
        }
        return nullptr;
    }
    void add(const QByteArray& bytes, const Picture& picture) {
        if (m_entries.size() == kEntries) m_entries.pop_back();
        m_entries.emplace_front(bytes, picture);
    }

private:
    static constexpr size_t kEntries = 4;
    std::deque<std::pair<QByteArray, Picture>> m_entries; // newest first
};

// Every picture that failed to decode in this run, on any thread, by its size and a digest of
// its bytes: a metafile refused for running out of time would otherwise cost the time limit
// again at every layout of its card. Only a picture of a failed one's size is digested:
// hashing every picture shown would cost more than decoding it.
class FailedPictures {
public:
    bool contains(const QByteArray& bytes) const {
        {
            const std::lock_guard guard(m_lock);
            if (!m_digests.contains(bytes.size())) return false;
        }
        const QByteArray digest = digestOf(bytes);
        const std::lock_guard guard(m_lock);
        return m_digests.value(bytes.size()).contains(digest);
    }
    void add(const QByteArray& bytes) {
        const QByteArray digest = digestOf(bytes);
        const std::lock_guard guard(m_lock);
        m_digests[bytes.size()].insert(digest);
    }

private:
    static QByteArray digestOf(const QByteArray& bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    }
    mutable std::mutex m_lock;
    QHash<qsizetype, QSet<QByteArray>> m_digests;
};

FailedPictures& failedPictures() {
    static FailedPictures failures;
    return failures;
}
} // namespace

Picture LoadPicture(const QString& path) {
    if (path.isEmpty()) return {};
    return loadPictureFromBytes(ReadFileBytes(path));
}

Picture loadPictureFromBytes(const QByteArray& bytes) {
    thread_local RecentPictures recent;
    if (const Picture* known = recent.find(bytes)) return *known;
    FailedPictures& failures = failedPictures();
    if (failures.contains(bytes)) throw VbError(VbError::InvalidPicture);
    QImage image = decode(bytes);
    if (image.isNull()) {
        failures.add(bytes);
        throw VbError(VbError::InvalidPicture);
    }
    // Held once, so that setting its resolution does not copy its pixels.
    image = opaque(image);
    image.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    const Picture picture(std::move(image));
    recent.add(bytes, picture);
    return picture;
}

void SavePicture(const Picture& picture, const QString& path) {
    if (picture.isNull()) throw VbError(VbError::InvalidPicture);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes an image of 32 bits per pixel as a 24-bit BMP.
    if (!picture.image().convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        throw VbError(VbError::PathFileAccessError);
    WriteFileBytes(path, bmp);
}
