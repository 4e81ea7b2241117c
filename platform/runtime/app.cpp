#include "app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& replacedPath() {
    static QString path;
    return path;
}
} // namespace

namespace App {

QString Path() {
    return replacedPath().isEmpty() ? QCoreApplication::applicationDirPath() : replacedPath();
}

void setPath(const QString& folder) {
    // absolutePath() also drops a trailing separator and any "." or "..".
    replacedPath() = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

int Major() {
    return ZQJ_VERSION_MAJOR;
}

int Minor() {
    return ZQJ_VERSION_MINOR;
}

QString EXEName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace App
