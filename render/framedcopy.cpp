#include "framedcopy.h"

std::optional<PictureCopy> framedCopy(const FrameGeometry& frame, QSize picture, int offsetX, int offsetY,
                                      FrameFit fit) {
    const QRect inner(frame.left + frame.border, frame.top + frame.border, frame.width - 2 * frame.border,
                      frame.height - 2 * frame.border);
    const QPoint at = inner.topLeft() + QPoint(fit.fillWidth ? 0 : offsetX, fit.fillHeight ? 0 : offsetY);
    const QRect painted = QRect(at, picture) & inner;
    if (painted.isEmpty()) return std::nullopt;
    return PictureCopy{painted.translated(-at), painted.topLeft()};
}
