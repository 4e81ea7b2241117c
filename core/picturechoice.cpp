#include "picturechoice.h"

#include "modPicture.h"

#include "forms/dialogs.h"
#include "runtime/vberror.h"

QString folderOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

std::optional<Picture> storePictureFile(const RecordEdit& edit, const QString& path, const QString& field,
                                        const QString& title, const RecordAssign& alsoAssign) {
    bool pictureTaken = false;
    try {
        Picture picture;
        edit([&](Recordset& record) {
            // An empty file is no picture either.
            if (storeFileInFieldOrRaise(path, record.field(field)) == 0)
                throw VbError(VbError::InvalidPicture);
            picture = loadChosenPicture(record.field(field).toBytes());
            pictureTaken = true;
            if (alsoAssign) alsoAssign(record);
        });
        return picture;
    } catch (const VbError& error) {
        // Once the picture is taken, a failure is the database's (a full disk), not the file's.
        MsgBox(pictureTaken ? error.shownText() : pictureFileRefusal(path, error), vbExclamation, title);
        return std::nullopt;
    }
}
