#include "modData.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZQJ2"));
    if (!Main()) return 0;
    return QApplication::exec();
}
