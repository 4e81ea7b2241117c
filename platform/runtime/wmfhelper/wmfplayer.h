#pragma once
// Plays a Windows metafile with libwmf's gd device at 96 DPI. The drawing's extent fills the
// picture, as libwmf's own converters do; pixels that the metafile does not paint stay white.
// libwmf can crash, loop or exhaust memory on a damaged metafile, so only the helper program
// zqj_wmf, under its limits, calls this.

#include <QByteArray>
#include <QImage>

// A null image when libwmf cannot play the metafile (truncated, corrupt or absurdly large).
QImage playWmf(const QByteArray& bytes);
