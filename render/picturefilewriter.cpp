#include "picturefilewriter.h"
#include "cDIBSection.h"
#include "mIntelJPEGLibrary.h"

#include "gifconv/bmptogif.h"
#include "runtime/app.h"
#include "runtime/picture.h"

namespace {
constexpr qint32 kJpegQuality = 90;

void writeGif(const Picture& picture, const QString& path, BmpToGif& converter,
              const std::vector<qint32>& exactColours) {
    // The work file stays in the program's folder, replaced at each GIF save.
    const QString workFile = App::Path() + QStringLiteral("/zqjtemp.bmp");
    try {
        SavePicture(picture, workFile);
    } catch (const VbError& error) {
        throw GifWorkFileError(error);
    }
    // The converter replaces the target only with a whole file, and names it in its reason.
    converter.convert(workFile, path, exactColours);
    if (converter.failed()) throw GifConversionError(converter.errorNumber(), converter.reason());
}
} // namespace

bool hasPictureWriter(qint32 format) {
    return format == kBmp || format == kJpg || format == kGif;
}

void writePictureFile(const Picture& picture, const QString& path, qint32 format, BmpToGif& converter,
                      const std::vector<qint32>& exactColours) {
    switch (format) {
    case kBmp:
        SavePicture(picture, path);
        return;
    case kJpg: {
        cDIBSection dib;
        dib.CreateFromPicture(picture);
        SaveJPG(dib, path, kJpegQuality);
        return;
    }
    case kGif:
        writeGif(picture, path, converter, exactColours);
        return;
    default:
        throw VbError(VbError::InvalidPropertyValue,
                      QStringLiteral("There is no writer for picture format %1.").arg(format));
    }
}
