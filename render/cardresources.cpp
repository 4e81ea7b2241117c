#include "cardresources.h"

#include <QPainter>

namespace {
// A plain field with a thin inner border: neutral enough for any set.
Picture framedField(int width, int height, const QColor& field, const QColor& border) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(field);
    QPainter painter(&image);
    painter.setPen(border);
    painter.drawRect(3, 3, width - 7, height - 7);
    return Picture(image);
}
} // namespace

Picture whiteFieldPicture() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    return Picture(image);
}

// Dark, so that the white name and the OBJECTS and FOLLOWERS titles on its edge can be read.
Picture characterTemplatePicture() {
    return framedField(302, 254, QColor(70, 54, 38), QColor(196, 164, 110));
}

Picture largeCardBackPicture() {
    return framedField(304, 256, QColor(64, 80, 128), QColor(200, 200, 220));
}
