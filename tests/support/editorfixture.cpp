#include "editorfixture.h"

#include <QFile>
#include <QPushButton>

EditorFixture::EditorFixture() {
    folder.openDatabase();
}

void EditorFixture::click(CommandButton& button) {
    static_cast<QPushButton*>(button.widget())->click();
}

int EditorFixture::messageCount() const {
    return int(folder.dialogs().messages().size());
}

QString EditorFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = folder.file(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}
