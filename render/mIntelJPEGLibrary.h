#pragma once
// Writes the picture of a cDIBSection to a JPEG file through the JPEG library stand-in. An existing
// file of that name is replaced only by a whole new file, which keeps the old one's permission
// bits and access and modification times.

#include <QtGlobal>

class cDIBSection;
class QString;

// Quality 1..100. True when the file was written; failures raise: 26001 when the library fails
// (an empty section, a quality out of range), 76 when the folder is missing, 75 when the target
// cannot be replaced, the runtime's file error of what the system said when the file cannot be
// written (61 disk full, ...), 6 for a width past the rows' 32-bit size.
bool SaveJPG(const cDIBSection& dib, const QString& FileName, qint32 Quality);
