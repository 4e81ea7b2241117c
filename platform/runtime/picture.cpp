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
DecodedPicture readByQt(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(int(PictureLimits::kMaxPixels * 4 >> 20));
    const QSize declared = reader.size();
    QImage image = reader.read();
    if (!image.isNull()) return {image};
    // Qt reports a failed allocation as bad data: a picture of the declared size that cannot be
    // had now tells them apart.
    const bool allocatable = !declared.isValid() || !QImage(declared, QImage::Format_ARGB32).isNull();
    return {{}, allocatable ? DecodeFailure::Bytes : DecodeFailure::Passing};
}

DecodedPicture decode(const QByteArray& bytes) {
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp: {
        if (!isWholeBmp(bytes)) return {{}, DecodeFailure::Bytes, sizePastPixelLimit(bytes)};
        QImage plain = decodePlainBmp(bytes);
        return plain.isNull() ? readByQt(bytes, "BMP") : DecodedPicture{plain};
    }
    case PictureFormat::Jpeg:
        return isWholeJpeg(bytes) ? decodeJpeg(bytes) : DecodedPicture();
    case PictureFormat::Gif:
        return isWholeGif(bytes) ? readByQt(bytes, "GIF")
                                 : DecodedPicture{{}, DecodeFailure::Bytes, sizePastPixelLimit(bytes)};
    case PictureFormat::Wmf:
        return WmfRenderer::render(bytes); // libwmf refuses a truncated metafile itself
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

// Pictures are kept opaque: a GIF's transparent colour shows white, like a metafile's background.
// Null when the memory for it cannot be had.
QImage opaque(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull()) return flat;
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

// Every picture whose bytes failed to decode in this run, on any thread, by its size and a digest
// of its bytes: a damaged metafile would otherwise cost the helper's time limit again at every
// layout of its card. A time-out counts only once it repeats, as a busy machine may cause one;
// a passing failure not at all. Only a picture of a failed one's size is digested: hashing every
// picture shown would cost more than decoding it.
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
    void add(const QByteArray& bytes, DecodeFailure failure) {
        if (failure == DecodeFailure::Passing) return;
        const QByteArray digest = digestOf(bytes);
        const std::lock_guard guard(m_lock);
        if (failure == DecodeFailure::OutOfTime && !m_outOfTimeOnce.contains(digest)) {
            m_outOfTimeOnce.insert(digest);
            return;
        }
        m_digests[bytes.size()].insert(digest);
    }
    // The bytes decoded after all.
    void remove(const QByteArray& bytes) {
        const QByteArray digest = digestOf(bytes);
        const std::lock_guard guard(m_lock);
        m_outOfTimeOnce.remove(digest);
        const auto failed = m_digests.find(bytes.size());
        if (failed == m_digests.end()) return;
        failed->remove(digest);
        if (failed->isEmpty()) m_digests.erase(failed);
    }

private:
    static QByteArray digestOf(const QByteArray& bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    }
    mutable std::mutex m_lock;
    QHash<qsizetype, QSet<QByteArray>> m_digests;
    QSet<QByteArray> m_outOfTimeOnce;
};

FailedPictures& failedPictures() {
    static FailedPictures failures;
    return failures;
}

enum class EarlierFailure { Holds, IsTriedAgain };

Picture load(const QByteArray& bytes, EarlierFailure earlier) {
    thread_local RecentPictures recent;
    if (const Picture* known = recent.find(bytes)) return *known;
    FailedPictures& failures = failedPictures();
    if (earlier == EarlierFailure::Holds && failures.contains(bytes)) throw VbError(VbError::InvalidPicture);
    DecodedPicture decoded = decode(bytes);
    if (!decoded.image.isNull()) {
        // Held once, so that setting its resolution does not copy its pixels.
        decoded.image = opaque(decoded.image);
        if (decoded.image.isNull()) decoded.failure = DecodeFailure::Passing;
    }
    if (decoded.image.isNull()) {
        failures.add(bytes, decoded.failure);
        if (decoded.oversize.isValid())
            throw VbError::withWords(
                VbError::InvalidPicture,
                QStringLiteral(
                    "The picture is too large: %1 × %2 pixels. A picture can have at most %L3 pixels.")
                    .arg(decoded.oversize.width())
                    .arg(decoded.oversize.height())
                    .arg(PictureLimits::kMaxPixels));
        throw VbError(VbError::InvalidPicture);
    }
    if (earlier == EarlierFailure::IsTriedAgain) failures.remove(bytes);
    decoded.image.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    decoded.image.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    const Picture picture(std::move(decoded.image));
    recent.add(bytes, picture);
    return picture;
}
} // namespace

Picture LoadPicture(const QString& path) {
    if (path.isEmpty()) return {};
    return loadPictureFromBytes(ReadFileBytes(path));
}

Picture loadPictureFromBytes(const QByteArray& bytes) {
    return load(bytes, EarlierFailure::Holds);
}

Picture loadChosenPicture(const QByteArray& bytes) {
    return load(bytes, EarlierFailure::IsTriedAgain);
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
