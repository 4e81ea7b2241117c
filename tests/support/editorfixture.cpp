#include "editorfixture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace {
void sendMouse(QWidget* widget, QEvent::Type type, QPointF pixels, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, pixels, widget->mapToGlobal(pixels), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

EditorFixture::EditorFixture() {
    folder.openDatabase();
}

void EditorFixture::click(CommandButton& button) {
    static_cast<QPushButton*>(button.widget())->click();
}

int EditorFixture::messageCount() const {
    return int(folder.dialogs().messages().size());
}

void EditorFixture::pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &event);
}

void EditorFixture::drag(QWidget* widget, QPointF from, QPointF to, Qt::MouseButtons held) {
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, held);
    sendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, held);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QString EditorFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = folder.file(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}
