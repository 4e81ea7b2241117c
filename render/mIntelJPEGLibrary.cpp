#include "mIntelJPEGLibrary.h"
#include "cDIBSection.h"
#include "jpeglib/jpegencoder.h"
#include "runtime/app.h"
#include "runtime/replacementfile.h"
#include "runtime/vberror.h"

#include <exception>
#include <future>
#include <memory>

namespace {
[[noreturn]] void raiseJpegError(const QString& description) {
    throw VbError(VbError::JpegWriter, description, App::EXEName() + QStringLiteral(".mIntelJPEGLibrary"));
}
} // namespace

bool SaveJPG(const cDIBSection& dib, const QString& FileName, qint32 Quality) {
    jpeglib::JpegProperties properties;
    if (const int code = jpeglib::jpegInit(properties); code != jpeglib::JpegOk)
        raiseJpegError(QStringLiteral("Failed to initialise the IJL library: %1").arg(code));

    // The new file is made while the picture is encoded: where the file system searches long for
    // a free inode, making it costs as much as the encoding.
    std::future<std::unique_ptr<ReplacementFile>> making = std::async(std::launch::async, [&FileName] {
        return std::make_unique<ReplacementFile>(FileName, ReplacementFile::Keep::PermissionsAndTimes);
    });
    jpeglib::JpegBytes bytes;
    int code = jpeglib::JpegOk;
    std::exception_ptr sizeError;
    try {
        const qint32 rowBytes = dib.BytesPerScanLine(); // raises 6 before the width is multiplied below
        properties.pixels = dib.DIBSectionBitsPtr();
        properties.width = dib.Width();
        properties.height = -dib.Height();
        properties.padBytes = rowBytes - dib.Width() * 3;
        properties.quality = Quality;
        code = jpeglib::jpegEncode(properties, bytes);
    } catch (const VbError&) {
        sizeError = std::current_exception();
    }
    jpeglib::jpegFree(properties);
    // The target's own errors come first, as when the file was made before the encoding.
    const std::unique_ptr<ReplacementFile> file = making.get();
    if (sizeError) std::rethrow_exception(sizeError);
    if (code != jpeglib::JpegOk) raiseJpegError(QStringLiteral("Failed to save to JPG %1").arg(code));
    // The file system's refusal (a full disk) names the target.
    file->write(
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data.get()), qsizetype(bytes.size)));
    file->commit();
    return true;
}
