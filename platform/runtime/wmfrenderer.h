#pragma once
// Renders a Windows metafile with libwmf's gd device at 96 DPI. The drawing's extent fills the
// picture, as libwmf's own converters do; pixels that the metafile does not paint stay white.

#include <QByteArray>
#include <QImage>

// A null image when libwmf cannot play the metafile (truncated, corrupt or absurdly large).
QImage renderWmf(const QByteArray& bytes);
