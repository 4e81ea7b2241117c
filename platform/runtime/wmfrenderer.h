#pragma once
// Renders a Windows metafile at 96 DPI in the helper program zqj_wmf, so that a metafile that
// makes libwmf crash, loop or exhaust memory costs at most the pictures' time limit
// (picturelimits.h) and is refused. The helper is the one beside the running executable or,
// failing that, the one the build made (tests run from elsewhere in the build tree).

#include "decodedpicture.h"

#include <QByteArray>
#include <QString>

namespace WmfRenderer {

// No image when the helper cannot be started (a passing failure), runs out of time, or fails,
// crashes or answers nonsense (a failure of the bytes).
DecodedPicture render(const QByteArray& bytes);

// Tests replace the helper; an empty path goes back to finding it.
void setHelper(const QString& path);

} // namespace WmfRenderer
