#include "cardresources.h"

#include <QPainter>

Picture whiteFieldPicture() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    return Picture(image);
}

// No line on it: a line would cross the texts, which stand close to the field's edges.
Picture characterTemplatePicture() {
    QImage image(302, 254, QImage::Format_RGB888);
    image.fill(QColor(70, 54, 38));
    QPainter(&image).fillRect(kCharacterTemplateField, Qt::white);
    return Picture(image);
}

// A plain field with a thin inner border: neutral enough for any set.
Picture largeCardBackPicture() {
    QImage image(304, 256, QImage::Format_RGB888);
    image.fill(QColor(64, 80, 128));
    QPainter painter(&image);
    painter.setPen(QColor(200, 200, 220));
    painter.drawRect(3, 3, image.width() - 7, image.height() - 7);
    return Picture(image);
}
