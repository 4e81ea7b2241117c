#pragma once
// Pictures kept in the database as the unchanged bytes of the user's picture file,
// shown by passing them through the work file zqj.pic.

#include "db/recordset.h"
#include "forms/filedialogrequest.h"
#include "runtime/picture.h"

#include <QString>

class PictureBox;
class VbError;

// Stores the file's bytes in the field; the row is not updated. Returns the length,
// 0 for an empty file (field untouched), or the negated error number: the file is read
// whole and must be a picture before the field changes, so a failure changes nothing.
// The file is one the user chose: it is decoded afresh even if its bytes failed before.
qint64 StoreFileInField(const QString& path, Field field);
// The same, raising the error that stopped it, so that its words (a picture too large) reach
// the user.
qint64 storeFileInFieldOrRaise(const QString& path, Field field);

// The picture of a file the user chose in a picture dialog, decoded afresh even if its bytes
// failed before in this run (that failure may have passed). Raises what LoadPicture raises.
Picture LoadChosenPicture(const QString& path);

// Writes the field to the file, replacing its whole content. False when the field is
// empty (file untouched) or the write failed.
bool SaveFieldToFile(const Field& field, const QString& path);

// Shows the field's picture in the box, or clears the box when the field is empty.
// Bytes that are no picture raise the loader's error.
void ShowFieldPicture(PictureBox& box, const Field& field);

// What to tell the user when a chosen picture file cannot be used: the cause in plain words.
QString pictureFileRefusal(const QString& path, const VbError& error);

// The name endings of JPG files, as the file dialogs' filters list them.
QString jpgFilePatterns();

// The open dialog of a picture chooser: every file, or the pictures (preselected), of a
// file that must exist, starting in that folder.
FileDialogRequest pictureFileRequest(const QString& title, const QString& folder);
