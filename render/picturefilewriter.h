#pragma once
// The program's writers of picture files, one for each format of tblPicFormat: BMP, JPG at the
// quality of the card images, and GIF converted from a BMP work file in the program's folder.
// Each writes a whole new file under a temporary name and renames it over the target, so a failed
// write leaves the previous file as it was.

#include "runtime/vberror.h"

#include <QtGlobal>
#include <vector>

class BmpToGif;
class Picture;
class QString;

// The keys of tblPicFormat.
enum PicFormat : qint32 { kBmp = 1, kJpg = 2, kGif = 3 };

// The GIF's work file could not be written: no GIF can be made until it can.
class GifWorkFileError : public VbError {
public:
    explicit GifWorkFileError(const VbError& error) : VbError(error) {}
};

// The converter's failure: its reason, and the runtime's error behind it (0 when none).
class GifConversionError : public VbError {
public:
    using VbError::VbError;
};

bool hasPictureWriter(qint32 format);

// Writes the picture to path in the format; the writers' errors are raised, naming the target.
// A format with no writer raises 380. A GIF keeps the pixels of `exactColours` (&HBBGGRR) exact.
void writePictureFile(const Picture& picture, const QString& path, qint32 format, BmpToGif& converter,
                      const std::vector<qint32>& exactColours = {});
