#pragma once
// The text export of a set: every text of its cards, large cards and characters in one file.

#include <QString>

// Writes the file and reports how it went. The file is UTF-8 with CR LF line ends; it replaces
// an earlier file only once it is whole, so a failed export leaves that file as it was.
void ExportSetText(const QString& FileName, qint32 SetID);
// "---" marks an attribute without value.
QString BlankIfDashes(const QString& s);
