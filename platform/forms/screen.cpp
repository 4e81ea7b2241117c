#include "screen.h"
#include "units.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Screen {

double Width() {
    return QGuiApplication::primaryScreen()->geometry().width() * twipsPerPixel;
}

double Height() {
    return QGuiApplication::primaryScreen()->geometry().height() * twipsPerPixel;
}

QRect availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

} // namespace Screen

HourglassScope::HourglassScope() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

HourglassScope::~HourglassScope() {
    QGuiApplication::restoreOverrideCursor();
}
