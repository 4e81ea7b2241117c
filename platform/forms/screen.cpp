#include "screen.h"
#include "units.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace Screen {

double Width() {
    return QGuiApplication::primaryScreen()->geometry().width() * twipsPerPixel;
}

double Height() {
    return QGuiApplication::primaryScreen()->geometry().height() * twipsPerPixel;
}

} // namespace Screen

HourglassScope::HourglassScope() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

HourglassScope::~HourglassScope() {
    QGuiApplication::restoreOverrideCursor();
}
