#include "dialogowner.h"
#include "mdiarea.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
// The start that keeps [start, start + length) inside [low, high), or low when nothing can.
int keptInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}
} // namespace

QWidget* dialogOwner(const QWidget* dialog) {
    if (QWidget* active = QApplication::activeWindow(); active && active != dialog) return active;
    if (const MdiArea* area = MdiArea::current()) {
        QWidget* mainWindow = area->widget()->window();
        if (mainWindow != dialog && mainWindow->isVisible()) return mainWindow;
    }
    return nullptr;
}

QRect centredOver(const QSize& size, const QWidget& owner) {
    QRect placed(QPoint(), size);
    placed.moveCenter(owner.geometry().center());
    if (const QScreen* screen = owner.screen()) {
        const QRect room = screen->availableGeometry();
        placed.moveTo(keptInside(placed.x(), placed.width(), room.left(), room.right() + 1),
                      keptInside(placed.y(), placed.height(), room.top(), room.bottom() + 1));
    }
    return placed;
}

void keepAbove(QWidget& window, const QWidget& owner) {
    window.winId(); // the native window exists from here, so that it can be tied to the owner's
    window.windowHandle()->setTransientParent(owner.window()->windowHandle());
}
