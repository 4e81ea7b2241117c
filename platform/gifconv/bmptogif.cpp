#include "bmptogif.h"
#include "runtime/colour.h"
#include "runtime/files.h"
#include "runtime/picture.h"
#include "runtime/vberror.h"

#include <gif_lib.h>

#include <array>
#include <memory>
#include <new>

namespace {
constexpr int maxColours = 256;
constexpr int colourResolution = 8;

struct GifClose {
    void operator()(GifFileType* file) const { EGifCloseFile(file, nullptr); }
};
struct ColourMapRelease {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

QString giflibReason(int errorCode) {
    return QStringLiteral("The GIF could not be encoded: %1.")
        .arg(QString::fromLatin1(GifErrorString(errorCode)));
}

int appendBytes(GifFileType* file, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// The GIF file's bytes, or the reason they could not be made.
QString encode(const IndexedImage& indexed, QByteArray& gif) {
    // A GIF palette has a power-of-two size: the entries past the picture's colours stay black.
    std::array<GifColorType, maxColours> colours{};
    for (std::size_t i = 0; i < indexed.palette.size(); ++i)
        colours[i] = {GifByteType(qRed(indexed.palette[i])), GifByteType(qGreen(indexed.palette[i])),
                      GifByteType(qBlue(indexed.palette[i]))};
    const std::unique_ptr<ColorMapObject, ColourMapRelease> map(
        GifMakeMapObject(1 << GifBitSize(int(indexed.palette.size())), colours.data()));
    if (!map) return giflibReason(E_GIF_ERR_NOT_ENOUGH_MEM);

    int error = E_GIF_SUCCEEDED;
    std::unique_ptr<GifFileType, GifClose> file(EGifOpen(&gif, appendBytes, &error));
    if (!file) return giflibReason(error);
    bool written =
        EGifPutScreenDesc(file.get(), indexed.width, indexed.height, colourResolution, 0, map.get()) ==
            GIF_OK &&
        EGifPutImageDesc(file.get(), 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; written && y < indexed.height; ++y) {
        // giflib only reads the line it is given.
        auto* row =
            const_cast<GifPixelType*>(indexed.indices.data()) + static_cast<std::size_t>(y) * indexed.width;
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

Failure conversionFailure(const QString& bmpPath, const QString& gifPath, const std::vector<QRgb>& exact,
                          Quantiser& quantiser) {
    Picture picture;
    try {
        picture = LoadPicture(bmpPath);
    } catch (const VbError& error) {
        return {QStringLiteral("The picture %1 could not be read: %2.").arg(bmpPath, error.description()),
                error.number()};
    }
    if (picture.isNull()) return {QStringLiteral("No picture was given to convert.")};

    QByteArray gif;
    if (const QString failure = encode(quantiser.quantise(picture.image(), exact), gif); !failure.isEmpty())
        return {failure};

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

void BmpToGif::convert(const QString& bmpPath, const QString& gifPath,
                       const std::vector<qint32>& exactColours) {
    try {
        std::vector<QRgb> exact;
        exact.reserve(exactColours.size());
        for (const qint32 colour : exactColours)
            exact.push_back(toQColor(colour).rgb());
        const Failure failure = conversionFailure(bmpPath, gifPath, exact, m_quantiser);
        m_reason = failure.reason;
        m_errorNumber = failure.errorNumber;
    } catch (const std::bad_alloc&) {
        m_reason = QStringLiteral("There is not enough memory to convert the picture.");
        m_errorNumber = 0;
    }
    m_failed = !m_reason.isEmpty();
}
