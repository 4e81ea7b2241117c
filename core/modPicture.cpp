#include "modPicture.h"
#include "modData.h"

#include "forms/picturebox.h"
#include "runtime/files.h"
#include "runtime/vberror.h"

#include <QFileInfo>

namespace {
// The original moved pictures in at most 32767 blocks of 32768 bytes.
constexpr qint64 kLargestPicture = qint64(32768) * 32768 - 1;
} // namespace

qint64 StoreFileInField(const QString& path, Field field) {
    try {
        return storeFileInFieldOrRaise(path, field);
    } catch (const VbError& error) {
        return -error.number();
    }
}

qint64 storeFileInFieldOrRaise(const QString& path, Field field) {
    if (FileLen(path) > kLargestPicture) throw VbError(VbError::Overflow);
    const QByteArray bytes = ReadFileBytes(path);
    if (bytes.isEmpty()) return 0;
    loadChosenPicture(bytes);
    field = bytes;
    return bytes.size();
}

Picture LoadChosenPicture(const QString& path) {
    return loadChosenPicture(ReadFileBytes(path));
}

bool SaveFieldToFile(const Field& field, const QString& path) {
    try {
        if (field.actualSize() == 0) return false;
        const QByteArray bytes = field.toBytes();
        try {
            SetAttr(path, vbNormal);
        } catch (const VbError&) {
            // a work file that is not there yet
        }
        WriteWorkFile(path, bytes);
        return true;
    } catch (const VbError&) {
        return false;
    }
}

void ShowFieldPicture(PictureBox& box, const Field& field) {
    if (field.isNull() || field.actualSize() == 0) {
        box.setPicture(Picture());
        return;
    }
    // The work file holds the picture as before, where the folder can be written; the picture
    // is decoded from the same bytes in memory, so a read-only folder still shows it.
    SaveFieldToFile(field, PicTempPath);
    try {
        box.setPicture(loadPictureFromBytes(field.toBytes()));
    } catch (const VbError&) {
        // The caller reports the bad picture; the box must not go on showing the last record's.
        box.setPicture(Picture());
        throw;
    }
}

QString pictureFileRefusal(const QString& path, const VbError& error) {
    const QString name = QFileInfo(path).fileName();
    // An error that says in words what is wrong with the file (a picture too large) says it.
    if (!error.hasWords()) {
        switch (error.number()) {
        case VbError::InvalidPicture:
            return QStringLiteral("\"%1\" is not a picture that can be shown.\r\n\r\n"
                                  "Choose a BMP, JPG, GIF or WMF file.")
                .arg(name);
        case VbError::FileNotFound:
        case VbError::PathNotFound:
            return QStringLiteral("The file \"%1\" cannot be found.").arg(path);
        default:
            break;
        }
    }
    return QStringLiteral("\"%1\" cannot be used.\r\n\r\n").arg(name) + error.shownText();
}

QString jpgFilePatterns() {
    return QStringLiteral("*.jpg;*.jpeg;*.jpe;*.jfif");
}

FileDialogRequest pictureFileRequest(const QString& title, const QString& folder) {
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("All files(*.*)|*.*|Picture files (*.bmp;*.jpg;*.gif;*.wmf)|*.bmp;") +
                     jpgFilePatterns() + QStringLiteral(";*.gif;*.wmf");
    request.filterIndex = 2;
    request.initialFolder = folder;
    request.defaultExtension = QStringLiteral("bmp");
    request.mustExist = true;
    return request;
}
