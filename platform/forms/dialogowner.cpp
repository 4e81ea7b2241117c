#include "dialogowner.h"
#include "mdiarea.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
// The start that keeps [start, start + length) inside [low, high), or low when nothing can.
int keptInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

// Centres the dialog as it is shown, and again when its show handler resizes it, before
// the window appears.
class CentreWhileShowing : public QObject {
public:
    explicit CentreWhileShowing(QWidget& dialog, const QWidget& owner)
        : QObject(&dialog), m_owner(owner.window()) {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            m_showing = true;
            QTimer::singleShot(0, this, [this] { m_showing = false; });
        }
        if (m_showing && m_owner && (event->type() == QEvent::Show || event->type() == QEvent::Resize)) {
            auto* dialog = static_cast<QWidget*>(watched);
            dialog->setGeometry(centredOver(dialog->size(), *m_owner));
        }
        return false;
    }

private:
    QPointer<const QWidget> m_owner;
    bool m_showing = false;
};
} // namespace

QWidget* dialogOwner(const QWidget* dialog) {
    if (QWidget* active = QApplication::activeWindow(); active && active != dialog) return active;
    if (const MdiArea* area = MdiArea::current()) {
        QWidget* mainWindow = area->widget()->window();
        if (mainWindow != dialog && mainWindow->isVisible()) return mainWindow;
    }
    return nullptr;
}

namespace {
QRect openerArea(const QWidget& owner) {
    if (const MdiArea* area = MdiArea::current(); area && area->widget()->window() == &owner) {
        const auto* mdi = static_cast<const QMdiArea*>(area->widget());
        if (const QMdiSubWindow* child = mdi->activeSubWindow(); child && child->isVisible())
            return QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
    }
    return owner.geometry();
}
} // namespace

QRect centredOver(const QSize& size, const QWidget& owner) {
    QRect placed(QPoint(), size);
    placed.moveCenter(openerArea(owner).center());
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

void useDialogFrame(QWidget& window) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

int execCentred(QDialog& dialog) {
    useDialogFrame(dialog);
    if (const QWidget* owner = dialog.parentWidget())
        new CentreWhileShowing(dialog, *owner); // the dialog owns it
    return dialog.exec();
}
