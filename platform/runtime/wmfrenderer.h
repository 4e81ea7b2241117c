#pragma once
// Renders a Windows metafile at 96 DPI in the helper program zqj_wmf, so that a metafile that
// makes libwmf crash, loop or exhaust memory costs at most the time limit and is refused. The
// helper is the one beside the running executable or, failing that, the one the build made
// (tests run from elsewhere in the build tree).

#include <QByteArray>
#include <QImage>
#include <QString>
#include <chrono>

namespace WmfRenderer {

constexpr std::chrono::milliseconds kDefaultTimeLimit{3000};

// A null image when the helper cannot be run, or fails, crashes or runs out of time.
QImage render(const QByteArray& bytes);

// Tests replace the wall-clock limit; a zero one goes back to the default.
void setTimeLimit(std::chrono::milliseconds limit);
// Tests replace the helper; an empty path goes back to finding it.
void setHelper(const QString& path);

} // namespace WmfRenderer
