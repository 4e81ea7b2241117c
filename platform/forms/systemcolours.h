#pragma once
// The old toolkit's system colours: a colour value with the high bit set names one, as the
// controls' default colours do. They are resolved through the application's palette only
// where Qt draws; other values are &HBBGGRR colours (runtime/colour.h).

#include <QColor>
#include <QtGlobal>

constexpr qint32 vbWindowBackground = qint32(0x80000005u);
constexpr qint32 vbWindowText = qint32(0x80000008u);
constexpr qint32 vbButtonFace = qint32(0x8000000Fu);
constexpr qint32 vbButtonText = qint32(0x80000012u);

QColor displayColour(qint32 colour);
