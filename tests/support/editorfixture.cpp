#include "editorfixture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPushButton>

EditorFixture::EditorFixture() {
    folder.openDatabase();
}

void EditorFixture::click(CommandButton& button) {
    static_cast<QPushButton*>(button.widget())->click();
}

QByteArray EditorFixture::bmpBytes(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QString EditorFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = folder.file(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}
