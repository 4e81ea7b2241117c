#include "bmptogif.h"
#include "runtime/files.h"
#include "runtime/picture.h"
#include "runtime/vberror.h"

#include <gif_lib.h>

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace {
constexpr int maxColours = 256;
constexpr int colourResolution = 8;

struct GifClose {
    void operator()(GifFileType* file) const { EGifCloseFile(file, nullptr); }
};
struct ColourMapRelease {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The picture as palette indices, one byte per pixel, rows top-down.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<GifByteType> indices;
    std::array<GifColorType, maxColours> palette{};
    int colourCount = maxColours;
};

QString giflibReason(int errorCode) {
    return QStringLiteral("The GIF could not be encoded: %1.")
        .arg(QString::fromLatin1(GifErrorString(errorCode)));
}

int appendBytes(GifFileType* file, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// The quantiser keeps 5 bits of each primary, so white would come out as (248, 248, 248). Each
// entry becomes the exact mean of the pixels given to it instead: a picture of few colours keeps them.
void refinePalette(const std::vector<GifByteType>& red, const std::vector<GifByteType>& green,
                   const std::vector<GifByteType>& blue, IndexedPicture& indexed) {
    struct Sum {
        std::uint64_t red = 0, green = 0, blue = 0, pixels = 0;
    };
    std::array<Sum, maxColours> sums{};
    for (std::size_t i = 0; i < indexed.indices.size(); ++i) {
        Sum& sum = sums[indexed.indices[i]];
        sum.red += red[i];
        sum.green += green[i];
        sum.blue += blue[i];
        ++sum.pixels;
    }
    const auto mean = [](std::uint64_t total, std::uint64_t pixels) {
        return static_cast<GifByteType>((total + pixels / 2) / pixels);
    };
    for (std::size_t entry = 0; entry < sums.size(); ++entry) {
        const Sum& sum = sums[entry];
        if (sum.pixels == 0) continue;
        indexed.palette[entry] = {mean(sum.red, sum.pixels), mean(sum.green, sum.pixels),
                                  mean(sum.blue, sum.pixels)};
    }
}

bool quantise(const QImage& picture, IndexedPicture& indexed) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    indexed.width = image.width();
    indexed.height = image.height();
    const std::size_t count =
        static_cast<std::size_t>(indexed.width) * static_cast<std::size_t>(indexed.height);
    std::vector<GifByteType> red(count), green(count), blue(count);
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* rgb = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x, ++i, rgb += 3) {
            red[i] = rgb[0];
            green[i] = rgb[1];
            blue[i] = rgb[2];
        }
    }
    indexed.indices.resize(count);
    if (GifQuantizeBuffer(static_cast<unsigned>(indexed.width), static_cast<unsigned>(indexed.height),
                          &indexed.colourCount, red.data(), green.data(), blue.data(), indexed.indices.data(),
                          indexed.palette.data()) != GIF_OK)
        return false;
    refinePalette(red, green, blue, indexed);
    return true;
}

// The GIF file's bytes, or the reason they could not be made.
QString encode(IndexedPicture& indexed, QByteArray& gif) {
    // A GIF palette has a power-of-two size: the entries past the quantiser's colours stay black.
    const std::unique_ptr<ColorMapObject, ColourMapRelease> map(
        GifMakeMapObject(1 << GifBitSize(indexed.colourCount), indexed.palette.data()));
    if (!map) return giflibReason(E_GIF_ERR_NOT_ENOUGH_MEM);

    int error = E_GIF_SUCCEEDED;
    std::unique_ptr<GifFileType, GifClose> file(EGifOpen(&gif, appendBytes, &error));
    if (!file) return giflibReason(error);
    bool written =
        EGifPutScreenDesc(file.get(), indexed.width, indexed.height, colourResolution, 0, map.get()) ==
            GIF_OK &&
        EGifPutImageDesc(file.get(), 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; written && y < indexed.height; ++y) {
        GifPixelType* row = indexed.indices.data() + static_cast<std::size_t>(y) * indexed.width;
        written = EGifPutLine(file.get(), row, indexed.width) == GIF_OK;
    }
    if (!written) return giflibReason(file->Error);
    // Closing writes the trailer, so its outcome counts.
    if (EGifCloseFile(file.release(), &error) == GIF_ERROR) return giflibReason(error);
    return {};
}

struct Failure {
    QString reason; // "" when the GIF was written
    int errorNumber = 0;
};

Failure conversionFailure(const QString& bmpPath, const QString& gifPath) {
    Picture picture;
    try {
        picture = LoadPicture(bmpPath);
    } catch (const VbError& error) {
        return {QStringLiteral("The picture %1 could not be read: %2.").arg(bmpPath, error.description()),
                error.number()};
    }
    if (picture.isNull()) return {QStringLiteral("No picture was given to convert.")};

    IndexedPicture indexed;
    if (!quantise(picture.image(), indexed))
        return {QStringLiteral("The colours of the picture could not be reduced to %1.").arg(maxColours)};
    QByteArray gif;
    if (const QString failure = encode(indexed, gif); !failure.isEmpty()) return {failure};

    try {
        WriteFileBytes(gifPath, gif);
    } catch (const VbError& error) {
        // The runtime's description names the file.
        return {QStringLiteral("The GIF file could not be written: %1.").arg(error.description()),
                error.number()};
    }
    return {};
}
} // namespace

void BmpToGif::convert(const QString& bmpPath, const QString& gifPath) {
    try {
        const Failure failure = conversionFailure(bmpPath, gifPath);
        m_reason = failure.reason;
        m_errorNumber = failure.errorNumber;
    } catch (const std::bad_alloc&) {
        m_reason = QStringLiteral("There is not enough memory to convert the picture.");
        m_errorNumber = 0;
    }
    m_failed = !m_reason.isEmpty();
}
