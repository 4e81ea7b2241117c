#include "framedcopy.h"

#include "runtime/conversions.h"

#include <algorithm>

namespace {
// The copy's extent along one axis: the picture's end, or up to the frame's far side.
int extent(int offset, int pictureSize, int frameSize, int border, bool shortOfFarSide) {
    if (offset + pictureSize + border <= frameSize) return offset + pictureSize;
    const int toFarSide = frameSize - offset - border;
    return toFarSide > frameSize ? frameSize - (shortOfFarSide ? 1 : 0) : toFarSide;
}
} // namespace

std::optional<PictureCopy> framedCopy(const FrameGeometry& frame, QSize picture, int offsetX, int offsetY,
                                      FrameFit fit) {
    const int sourceX = offsetX < 0 ? -offsetX : 0;
    const int sourceY = offsetY < 0 ? -offsetY : 0;
    // The sizes are 16-bit, as the stored offsets are: past that range is an overflow.
    const int width =
        CInt(fit.fillWidth ? frame.width - 2
                           : extent(offsetX, picture.width(), frame.width, frame.border, fit.shortOfFarSide));
    const int height = CInt(
        fit.fillHeight ? frame.height - 2
                       : extent(offsetY, picture.height(), frame.height, frame.border, fit.shortOfFarSide));
    const int destX = sourceX != 0 || fit.fillWidth ? 0 : offsetX;
    const int destY = sourceY != 0 || fit.fillHeight ? 0 : offsetY;
    if (width <= 0 || height <= 0 || frame.border + destX >= frame.width ||
        frame.border + destY >= frame.height)
        return std::nullopt;

    const QPoint at(frame.left + destX + frame.border, frame.top + destY + frame.border);
    QRect source = QRect(sourceX, sourceY, width, height) & QRect(QPoint(0, 0), picture);
    const QRect inner(frame.left + frame.border, frame.top + frame.border, frame.width - 2 * frame.border,
                      frame.height - 2 * frame.border);
    const QRect painted = QRect(at, source.size()) & inner;
    if (painted.isEmpty()) return std::nullopt;
    source = QRect(source.topLeft() + (painted.topLeft() - at), painted.size());
    return PictureCopy{source, painted.topLeft()};
}
