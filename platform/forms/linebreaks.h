#pragma once
// The program's line break is CR LF; Qt's widgets break lines at LF. These convert
// between the two for display, and map positions (SelStart) across the conversion.

#include <QString>

QString toDisplayLines(const QString& crlfText); // CR LF -> LF
QString toCrLfLines(const QString& lfText);      // LF -> CR LF

// Position in the CR LF text of a position in the LF text, and back. A position between
// a CR and its LF maps to after the break.
int crlfPosition(const QString& lfText, int lfPosition);
int lfPosition(const QString& lfText, int crlfPosition);
