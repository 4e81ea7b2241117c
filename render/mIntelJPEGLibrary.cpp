#include "mIntelJPEGLibrary.h"
#include "cDIBSection.h"
#include "jpeglib/jpegencoder.h"
#include "runtime/app.h"
#include "runtime/replacementfile.h"
#include "runtime/vberror.h"

#include <QFile>

namespace {
[[noreturn]] void raiseJpegError(const QString& description) {
    throw VbError(VbError::JpegWriter, description, App::EXEName() + QStringLiteral(".mIntelJPEGLibrary"));
}
} // namespace

bool SaveJPG(const cDIBSection& dib, const QString& FileName, qint32 Quality) {
    jpeglib::JpegProperties properties;
    if (const int code = jpeglib::jpegInit(properties); code != jpeglib::JpegOk)
        raiseJpegError(QStringLiteral("Failed to initialise the IJL library: %1").arg(code));

    ReplacementFile file(FileName, ReplacementFile::Keep::PermissionsAndTimes);
    const qint32 rowBytes = dib.BytesPerScanLine(); // raises 6 before the width is multiplied below
    properties.pixels = dib.DIBSectionBitsPtr();
    properties.width = dib.Width();
    properties.height = -dib.Height();
    properties.padBytes = rowBytes - dib.Width() * 3;
    properties.fileName = QFile::encodeName(file.temporaryPath()).toStdString();
    properties.quality = Quality;

    const int code = jpeglib::jpegWriteWholeImage(properties);
    jpeglib::jpegFree(properties);
    // The file system's refusal (a full disk, a name too long) says more than the library's code.
    if (code == jpeglib::JpegFileWriteFailed && properties.fileError != 0)
        file.raiseWriteError(properties.fileError);
    if (code != jpeglib::JpegOk) raiseJpegError(QStringLiteral("Failed to save to JPG %1").arg(code));
    file.commit();
    return true;
}
