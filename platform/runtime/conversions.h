#pragma once
// Number conversions with the runtime's rules: halves round to even, and a value
// past the target's range raises overflow (6).

#include <QString>
#include <QtGlobal>

// The one rounding function: display pixels, the renderer and CInt/CLng all use it.
double roundHalfEven(double value);

qint16 CInt(double value); // -32768..32767
qint32 CLng(double value); // 32-bit

// The runtime's plain number text of a single-precision value: at most 7 significant
// digits, "." as the decimal separator, no leading blank.
QString vbStr(double value);
